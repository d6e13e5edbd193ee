// The class page and its CSV of any bytes read as an exercise: its title, author and file name
// (the title again, or the input's first bytes when it is no exercise), and the assigned
// exercise's file name (the author) are a student's, so none may change the page's markup nor
// the CSV's records, run a formula or carry a control; its statement is compared and shown.
#include "text_checks.h"

#include "osmira/archive/exercise_archive.h"
#include "osmira/check/derivation_check.h"
#include "osmira/export/class_page.h"
#include "osmira/tutor/derivability.h"
#include "suite/latin1.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

void require(bool holds) {
    if (!holds) {
        __builtin_trap();
    }
}

// The page and the CSV of the rows; `plain` are the same rows with plain texts.
void check(const std::vector<osmira::ClassRow>& rows, const std::vector<osmira::ClassRow>& plain,
           const std::string& assignedFile) {
    const osmira::Statement assigned{"A", "B"};
    const std::string page = osmira::classPage(rows, osmira::AssignedStatement{assignedFile, assigned});
    const std::string plainPage = osmira::classPage(plain, osmira::AssignedStatement{"x.omr", assigned});
    require(suite::isUtf8(page));
    require(osmira::test::controlCharacters(page, "\t\n") == 0);
    require(osmira::test::markupSigns(page) == osmira::test::markupSigns(plainPage));
    // The sorting script, once.
    require(page.find("<script") != std::string::npos && page.find("<script") == page.rfind("<script"));

    const std::string csv = osmira::classCsv(rows, ';');
    require(suite::isUtf8(csv));
    require(osmira::test::controlCharacters(csv, "\t\r\n") == 0);
    const auto records = osmira::test::csvRecords(csv, ';');
    require(records && records->size() == rows.size() + 1);
    for (const std::vector<std::string>& record : *records) {
        require(record.size() == records->front().size());
        require(std::none_of(record.begin(), record.end(), osmira::test::startsAFormula));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const osmira::ExerciseRead read = osmira::LoadExercise(bytes);
    std::vector<osmira::ClassRow> rows;
    std::string assignedFile = "x.omr";
    if (read.value) {
        const osmira::CEjercicio& exercise = *read.value;
        const bool same = osmira::sameStatement(osmira::statementOf(exercise), {"A", "B"});
        rows.push_back(osmira::classRow(exercise.GetTitle(), exercise, osmira::checkDerivation(exercise),
                                        osmira::decideDerivability(exercise).derivability, same));
        assignedFile = exercise.GetAuthor();
        rows.push_back(osmira::unreadableRow(exercise.GetAuthor(), exercise.GetTitle()));
    } else {
        rows.push_back(osmira::unreadableRow(std::string(bytes.substr(0, 64)), read.reason));
    }
    std::vector<osmira::ClassRow> plain = rows;
    for (osmira::ClassRow& row : plain) {
        row.file = "x.omr";
        row.title = row.author = row.reason = "x";
    }
    check(rows, plain, assignedFile);
    return 0;
}
