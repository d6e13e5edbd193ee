// Every input the fuzzers or a report of a fault found, kept in fuzz/regressions/<target>/ and
// replayed here in the ordinary build: the exercise reader's target's calls, then what verify
// and report do with a file they accept, the report's pictures within their budget; the report
// target's files through osmira-cli report, which writes nothing outside the report's folder.

#include "cli_support.h"
#include "diagram_picture.h"
#include "report_safety.h"
#include "suite_testing/golden_cases.h"
#include "suite_testing/scratch_folder.h"

#include "osmira/archive/exercise_archive.h"
#include "osmira/check/derivation_check.h"
#include "osmira/model/workbench_operations.h"
#include "suite/latin1.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

using namespace osmira;
namespace fs = std::filesystem;

namespace {

const fs::path kExerciseFiles = fs::path(FUZZ_REGRESSIONS_DIR) / "osmira-exercise-file-fuzz";

class ExerciseFileRegression : public ::testing::TestWithParam<std::string> {};

TEST_P(ExerciseFileRegression, IsRefusedWithAReasonOrReadWhole) {
    const std::string bytes = suite::testing::readFile(kExerciseFiles / GetParam());
    ExerciseRead read = LoadExercise(bytes);
    if (!read.value) {
        EXPECT_FALSE(read.reason.empty());
        return;
    }
    const std::string written = SaveExercise(*read.value);
    ExerciseRead again = LoadExercise(written);
    ASSERT_TRUE(again.value) << again.reason;
    EXPECT_EQ(SaveExercise(*again.value), written);
    again.value->ReopenAfterReading();
    (void)again.value->goalReached();
    (void)checkDerivation(*read.value);
    for (const auto& step : read.value->GetSteps()) {
        const QImage picture = render::diagramPicture(*step);
        EXPECT_LE(std::int64_t{picture.width()} * picture.height(), render::kLargestPicturePixels);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ExerciseFileRegression,
                         ::testing::ValuesIn(suite::testing::namesIn(kExerciseFiles)),
                         suite::testing::GoldenCaseName{});

const fs::path kReportFiles = fs::path(FUZZ_REGRESSIONS_DIR) / "osmira-report-fuzz";

// Every file under the folder, with its bytes.
std::map<std::string, std::string> treeOf(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            files[fs::relative(entry.path(), folder).string()] = suite::testing::readFile(entry.path());
        }
    }
    return files;
}

class ReportRegression : public ::testing::TestWithParam<std::string> {};

TEST_P(ReportRegression, ShowsItsTextsAsTypedAndWritesOnlyIntoItsFolder) {
    const fs::path file = kReportFiles / GetParam();
    ExerciseRead read = LoadExercise(suite::testing::readFile(file));
    ASSERT_TRUE(read.value) << read.reason;
    EXPECT_EQ(test::reportFault(*read.value, "r.htm"), std::nullopt);

    // A victim beside the report's folder, where a step titled "../victim/notes.txt" once wrote.
    const suite::testing::ScratchFolder scratch;
    fs::create_directories(scratch / "victim");
    fs::create_directories(scratch / "informe");
    suite::testing::writeFile(scratch / "victim" / "notes.txt", "notes");
    const test::CliOutcome outcome = test::runCli(
        {"report", file.string(), (scratch / "informe" / "r.htm").string(), "--options", "11111111"});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    std::map<std::string, std::string> written = treeOf(scratch.path());
    EXPECT_EQ(written["victim/notes.txt"], "notes");
    written.erase("victim/notes.txt");
    std::set<std::string> pictures;
    for (const auto& [name, bytes] : written) {
        EXPECT_EQ(name.rfind("informe/", 0), 0u) << "written outside the report's folder: " << name;
        pictures.insert(fs::path(name).filename().string());
    }
    // Every picture the page shows is one of the report's files.
    const std::string page = written["informe/r.htm"];
    const std::regex image("<IMG SRC=\"([^\"]*)\">");
    for (auto match = std::sregex_iterator(page.begin(), page.end(), image); match != std::sregex_iterator();
         ++match) {
        EXPECT_EQ(pictures.count(suite::utf8FromLatin1((*match)[1].str())), 1u) << (*match)[1].str();
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ReportRegression, ::testing::ValuesIn(suite::testing::namesIn(kReportFiles)),
                         suite::testing::GoldenCaseName{});

} // namespace
