// Every input the fuzzers or a report of a fault found, kept in fuzz/regressions/<target>/ and
// replayed here in the ordinary build: the exercise reader's target's calls, then what verify
// and report do with a file they accept, the report's pictures within their budget.

#include "diagram_picture.h"
#include "suite_testing/golden_cases.h"
#include "suite_testing/scratch_folder.h"

#include "osmira/derivation_check.h"
#include "osmira/exercise_archive.h"
#include "osmira/workbench_operations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
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

} // namespace
