// Runs the built zudaviror-cli on every case folder under data/cli.

#include "test_files.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using zudaviror::testing::readFile;

std::vector<std::string> readLines(const fs::path& path) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char code : text) {
        quoted += code == '\'' ? std::string("'\\''") : std::string(1, code);
    }
    return quoted + "'";
}

std::vector<std::string> listCases() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(fs::path(TEST_DATA_DIR) / "cli")) {
        if (entry.is_directory()) {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

struct CliResult {
    std::string out;
    std::string err;
    int status = -1;
};

CliResult runCase(const fs::path& folder, const fs::path& scratch) {
    std::string command = shellQuoted(ZUDAVIROR_CLI);
    for (const auto& argument : readLines(folder / "args")) {
        command += " " + shellQuoted(argument);
    }
    const fs::path input = fs::exists(folder / "stdin") ? folder / "stdin" : fs::path("/dev/null");
    command += " < " + shellQuoted(input.string()) + " > " + shellQuoted((scratch / "out").string()) +
               " 2> " + shellQuoted((scratch / "err").string());
    const int raw = std::system(command.c_str());
    CliResult run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = readFile(scratch / "out");
    run.err = readFile(scratch / "err");
    return run;
}

class CliGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(CliGolden, OutputAndStatusAreExactlyTheExpectedOnes) {
    const fs::path folder = fs::path(TEST_DATA_DIR) / "cli" / GetParam();
    const zudaviror::testing::TemporaryFolder scratch;
    const CliResult run = runCase(folder, scratch.path());

    EXPECT_EQ(run.out, readFile(folder / "stdout"));
    EXPECT_EQ(run.status, std::stoi(readFile(folder / "status")));
    if (run.status == 0) {
        EXPECT_EQ(run.err, "");
    } else {
        EXPECT_TRUE(run.err.starts_with("zudaviror-cli: ")) << run.err;
    }
}

std::string caseName(const ::testing::TestParamInfo<std::string>& info) {
    std::string name = info.param;
    std::replace_if(
        name.begin(), name.end(), [](char code) { return !std::isalnum(static_cast<unsigned char>(code)); },
        '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, CliGolden, ::testing::ValuesIn(listCases()), caseName);

TEST(CliGoldenFolder, HoldsTheCases) {
    EXPECT_GE(listCases().size(), 30u);
}

} // namespace
