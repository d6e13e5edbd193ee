#include "class_files.h"

#include "suite/file_saving.h"
#include "suite/latin1.h"

#include <string_view>
#include <utility>

namespace osmira::cli {

namespace {

// The path as given, in UTF-8; the reason in Latin-1.
bool failed(Streams io, const std::string& path, const suite::FileSave& save) {
    io.err << "osmira-cli: " << path << ": " << suite::utf8FromLatin1(save.reason()) << '\n';
    return false;
}

} // namespace

const std::vector<suite::CommandOption>& ClassFiles::options() {
    static const std::vector<suite::CommandOption> kOptions{{.name = "--html", .takesValue = true},
                                                            {.name = "--csv", .takesValue = true},
                                                            {.name = "--csv-separator", .takesValue = true}};
    return kOptions;
}

void ClassFiles::readOptions(const suite::CommandLine& line) {
    pagePath_ = line.value("--html");
    csvPath_ = line.value("--csv");
    if (const std::optional<std::string> separator = line.value("--csv-separator")) {
        // The separators spreadsheets take: a comma, a semicolon (where the comma is the decimal
        // sign, as in Spanish) or a tab.
        if (separator->size() != 1 ||
            std::string_view(",;\t").find(separator->front()) == std::string_view::npos) {
            optionError_ = suite::latin1FromUtf8("--csv-separator es «,», «;» o un tabulador");
        } else {
            csvSeparator_ = separator->front();
        }
    }
}

void ClassFiles::add(const std::string& file, const CEjercicio& exercise, const DerivationCheck& check,
                     Derivability derivability, bool sameStatement) {
    if (asked()) {
        rows_.push_back(classRow(file, exercise, check, derivability, sameStatement));
    }
}

void ClassFiles::addUnreadable(const std::string& file, const std::string& latin1Reason) {
    if (asked()) {
        rows_.push_back(unreadableRow(file, latin1Reason));
    }
}

bool ClassFiles::write(Streams io) const {
    std::vector<std::pair<std::string, std::string>> outputs;
    if (pagePath_) {
        outputs.emplace_back(*pagePath_, classPage(rows_, assigned_));
    }
    if (csvPath_) {
        outputs.emplace_back(*csvPath_, classCsv(rows_, csvSeparator_));
    }
    if (outputs.empty()) {
        return true;
    }
    // Staged together: a failure leaves the previous page and CSV as they were.
    suite::FileReplacement files;
    for (const auto& [path, bytes] : outputs) {
        if (const suite::FileSave save = files.stage(path, bytes); !save.saved()) {
            return failed(io, path, save);
        }
    }
    const suite::FileSave save = files.commit();
    return save.saved() || failed(io, outputs.front().first, save);
}

} // namespace osmira::cli
