// Runs varquen-cli on every case folder under data/cli: input.txt (also given on standard
// input), args (INPUT stands for the input's path), expected.out, expected.err and status.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string trimmed(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    return text;
}

std::vector<std::string> caseNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(fs::path(TEST_DATA_DIR) / "cli")) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class CliCase : public testing::TestWithParam<std::string> {};

TEST_P(CliCase, OutputErrorsAndStatus) {
    const fs::path folder = fs::path(TEST_DATA_DIR) / "cli" / GetParam();
    const fs::path input = folder / "input.txt";
    // The process id keeps two runs of the suite side by side out of each other's files.
    const fs::path work =
        fs::temp_directory_path() / ("varquen-cli-test-" + std::to_string(getpid()) + "-" + GetParam());
    fs::create_directories(work);

    std::string args = trimmed(readFile(folder / "args"));
    if (const auto at = args.find("INPUT"); at != std::string::npos) {
        args.replace(at, 5, "'" + input.string() + "'");
    }
    const std::string command = std::string("'") + VARQUEN_CLI + "' " + args + " < '" +
                                (fs::exists(input) ? input.string() : "/dev/null") + "' > '" +
                                (work / "out").string() + "' 2> '" + (work / "err").string() + "'";
    const int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw)) << command;
    EXPECT_EQ(WEXITSTATUS(raw), std::stoi(readFile(folder / "status"))) << command;
    EXPECT_EQ(readFile(work / "out"), readFile(folder / "expected.out")) << command;
    EXPECT_EQ(readFile(work / "err"), readFile(folder / "expected.err")) << command;
    fs::remove_all(work);
}

INSTANTIATE_TEST_SUITE_P(Folders, CliCase, testing::ValuesIn(caseNames()),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

} // namespace
