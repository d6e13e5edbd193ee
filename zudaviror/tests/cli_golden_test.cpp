// Runs zudaviror-cli in-process on every case folder under data/cli.

#include "run.h"

#include "suite_testing/golden_cases.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace zudaviror::cli {
namespace {

const std::filesystem::path kCases = std::filesystem::path(TEST_DATA_DIR) / "cli";

class CliGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(CliGolden, OutputErrorsAndStatusAreExactlyTheExpectedOnes) {
    suite::testing::expectGoldenCase(kCases / GetParam(), run);
}

INSTANTIATE_TEST_SUITE_P(Cases, CliGolden, ::testing::ValuesIn(suite::testing::goldenCaseNames(kCases)),
                         suite::testing::GoldenCaseName());

// Guards against a data folder that moved: listing an empty one would run nothing.
TEST(CliGoldenFolder, HoldsTheCases) {
    EXPECT_GE(suite::testing::goldenCaseNames(kCases).size(), 30u);
}

} // namespace
} // namespace zudaviror::cli
