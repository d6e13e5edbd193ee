// osmira-cli verify --html and --csv over a class's handed-in files: valid, invalid and
// unreadable ones, names with quotation marks and commas, statements compared with the assigned
// one; the page and the CSV (with each separator) of a student's hostile texts.

#include "cli_support.h"
#include "hostile_texts.h"
#include "suite_testing/scratch_folder.h"
#include "test_support.h"
#include "text_checks.h"

#include "osmira/export/class_page.h"
#include "osmira/rules/rule_request.h"
#include "suite/latin1.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace osmira;
using osmira::test::runCli;

namespace {

namespace fs = std::filesystem;

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) {
        ++count;
    }
    return count;
}

// The page with each picture's shapes left out, its <svg> element's size kept: how a step is
// drawn is the SVG writer's, tested with the exports.
std::string withoutShapes(std::string page) {
    for (std::size_t at = page.find("<svg "); at != std::string::npos; at = page.find("<svg ", at + 1)) {
        const std::size_t inside = page.find(">\n", at) + 2;
        page.erase(inside, page.find("</svg>", inside) - inside);
    }
    return page;
}

class ClassPage : public ::testing::Test {
  protected:
    void SetUp() override {
        // Ana, Benito, Fernando (valid; Fernando's a theorem), Carla, Elena (invalid), Daniel
        // "copia" and vacio (unreadable), and Ana's file again under a name with a comma and
        // quotation marks.
        fs::copy(fs::path(TEST_DATA_DIR) / "verify-cli" / "folder-mixed" / "entregas", folder / "entregas",
                 fs::copy_options::recursive);
        fs::copy_file(folder / "entregas" / "ana.omr", folder / "entregas" / "pérez, \"ana\".omr");
        fs::current_path(folder.path());
    }
    void TearDown() override { fs::current_path(fs::temp_directory_path()); }

    suite::testing::ScratchFolder folder;
};

TEST_F(ClassPage, WritesTheSameRowsAsPageAndCsvBesideVerifysOwnOutput) {
    const test::CliOutcome plain = runCli({"verify", "entregas"});
    const test::CliOutcome paged =
        runCli({"verify", "--html", "clase.htm", "--csv", "clase.csv", "entregas"});
    // verify's own output and status stay as they are.
    EXPECT_EQ(paged.status, plain.status);
    EXPECT_EQ(paged.out, plain.out);
    EXPECT_EQ(paged.err, plain.err);

    EXPECT_EQ(suite::testing::readFile("clase.csv"),
              suite::testing::readFile(fs::path(TEST_DATA_DIR) / "class-page" / "expected.csv"));

    const std::string page = suite::testing::readFile("clase.htm");
    EXPECT_EQ(occurrences(page, "<tr><td>"), 8u);
    EXPECT_EQ(occurrences(page, "<td>entregas/daniel &quot;copia&quot;.omr</td>"), 1u);
    EXPECT_EQ(occurrences(page, "<td>entregas/pérez, &quot;ana&quot;.omr</td>"), 1u);
    // Each invalid file's first failing step beside the one before it (Carla) or the diagram of
    // the formulas (Elena), and nothing fetched from a network: the only address is the SVG
    // namespace.
    EXPECT_EQ(occurrences(page, "<svg "), 4u);
    EXPECT_EQ(occurrences(page, "http"), occurrences(page, "xmlns=\"http://www.w3.org/2000/svg\""));
    EXPECT_EQ(occurrences(page, "<script>"), 1u);
    EXPECT_NE(page.find("Ficheros: 8, válidos: 4, resueltos: 3, no válidos: 2, ilegibles: 2"),
              std::string::npos);
}

// Gonzalo's trivial A→B ⊢ A→B, Hugo's hypotheses in the other order and spelt with parentheses,
// Elena's changed hypothesis beside her wrong first step; the CSV for a Spanish spreadsheet.
TEST_F(ClassPage, ComparesEveryStatementWithTheAssignedOne) {
    const fs::path data = fs::path(TEST_DATA_DIR) / "class-page";
    for (const char* name : {"gonzalo.omr", "hugo.omr"}) {
        fs::copy_file(data / name, folder / "entregas" / name);
    }
    fs::copy_file(data / "asignado.omr", folder / "asignado.omr");
    const test::CliOutcome outcome = runCli({"verify", "--against", "asignado.omr", "--html", "clase.htm",
                                             "--csv", "clase.csv", "--csv-separator", ";", "entregas"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(suite::testing::readFile("clase.csv"), suite::testing::readFile(data / "expected-against.csv"));
    EXPECT_EQ(withoutShapes(suite::testing::readFile("clase.htm")),
              suite::testing::readFile(data / "expected-against.htm"));
}

// How many pixels of the page a unit of the drawing takes: the <svg> element's width over its
// view box's.
double scaleOf(const std::string& svg) {
    const std::size_t width = svg.find("width=\"") + 7;
    const std::size_t box = svg.find(' ', svg.find(' ', svg.find("viewBox=\"")) + 1) + 1;
    return std::stod(svg.substr(width)) / std::stod(svg.substr(box));
}

// A diagram wider than a row's picture and the narrower one after it are drawn at one scale.
TEST(ClassRowPictures, DrawTheFailingStepAndTheOneBeforeAtOneScale) {
    RecordingWorkbench workbench;
    auto exercise = test::newExercise({"A&B&C&D&E&F&G&H&I&J"}, "A", workbench);
    for (int erased = 0; erased < 3; ++erased) {
        requestRule(*exercise, {Rule::Erasure, 1, std::nullopt});
    }
    DerivationCheck check = checkDerivation(*exercise);
    check.valid = false;
    check.firstInvalidStep = 4;
    const std::vector<StepPicture> pictures =
        classRow("x.omr", *exercise, check, decideDerivability(*exercise).derivability).pictures;
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_EQ(pictures[0].caption, "Paso 03");
    EXPECT_EQ(pictures[1].caption, "Paso 04 (no se sigue)");
    EXPECT_LT(scaleOf(pictures[0].svg), 1.0);
    EXPECT_NEAR(scaleOf(pictures[1].svg), scaleOf(pictures[0].svg), 0.01);
}

// A readable and an unreadable row carrying the text in every field a student fills: title,
// author, the reason, and the file name where a name can hold it.
std::vector<ClassRow> rowsOf(const std::string& text) {
    RecordingWorkbench workbench;
    auto exercise = test::newExercise({"A"}, "A", workbench);
    exercise->SetTitle(text);
    exercise->SetAuthor(text);
    DerivationCheck check = checkDerivation(*exercise);
    check.valid = false;
    check.firstInvalidStep = 1;
    check.reason = text;
    // A file name holds neither NUL nor '/' and at most 255 bytes.
    const bool nameable =
        text.size() <= 200 && text.find_first_of(std::string("/\0", 2)) == std::string::npos;
    const std::string file = nameable ? text + ".omr" : "plano.omr";
    return {classRow(file, *exercise, check, decideDerivability(*exercise).derivability, false),
            unreadableRow(file, text)};
}

// The page of those rows, the text also as the assigned exercise's file name.
std::string pageOf(const std::string& text) {
    return classPage(rowsOf(text), AssignedStatement{text, {"A", "B"}});
}

class HostileClassFiles : public ::testing::TestWithParam<test::HostileText> {};

TEST_P(HostileClassFiles, LeaveThePageItsMarkup) {
    const std::string page = pageOf(GetParam().bytes);
    EXPECT_EQ(test::markupSigns(page), test::markupSigns(pageOf("Plano")));
    EXPECT_EQ(test::controlCharacters(page, "\t\n"), 0u);
    EXPECT_TRUE(suite::isUtf8(page));
}

TEST_P(HostileClassFiles, LeaveTheCsvItsRecordsAndRunNoFormula) {
    for (const char separator : {',', ';', '\t'}) {
        const std::string csv = classCsv(rowsOf(GetParam().bytes), separator);
        const std::optional<test::CsvRecords> records = test::csvRecords(csv, separator);
        ASSERT_TRUE(records) << "separator " << static_cast<int>(separator);
        ASSERT_EQ(records->size(), 3u);
        for (const std::vector<std::string>& record : *records) {
            EXPECT_EQ(record.size(), records->front().size());
            EXPECT_EQ(std::count_if(record.begin(), record.end(), test::startsAFormula), 0);
        }
        EXPECT_EQ(test::controlCharacters(csv, "\t\r\n"), 0u);
        EXPECT_TRUE(suite::isUtf8(csv));
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, HostileClassFiles, ::testing::ValuesIn(test::hostileTexts()),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
