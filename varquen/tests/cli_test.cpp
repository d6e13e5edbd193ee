// varquen-cli's golden cases: one folder per case under data/cli, run in-process.
#include "run.h"

#include "suite_testing/golden_cases.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::filesystem::path Cases = std::filesystem::path(TEST_DATA_DIR) / "cli";

class CliCase : public testing::TestWithParam<std::string> {};

TEST_P(CliCase, OutputErrorsAndStatus) {
    suite::testing::expectGoldenCase(Cases / GetParam(), varquen::cli::run);
}

INSTANTIATE_TEST_SUITE_P(Folders, CliCase, testing::ValuesIn(suite::testing::goldenCaseNames(Cases)),
                         suite::testing::GoldenCaseName());

} // namespace
