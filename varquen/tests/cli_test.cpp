// varquen-cli's golden cases: one folder per case under data/cli, run in-process.
#include "run.h"

#include "suite_testing/golden_cases.h"
#include "suite_testing/scratch_folder.h"
#include "suite_testing/stream_doubles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <sstream>
#include <streambuf>
#include <sys/stat.h>

namespace {

const std::filesystem::path kCases = std::filesystem::path(TEST_DATA_DIR) / "cli";

class CliCase : public testing::TestWithParam<std::string> {};

TEST_P(CliCase, OutputErrorsAndStatus) {
    suite::testing::expectGoldenCase(kCases / GetParam(), varquen::cli::run);
}

INSTANTIATE_TEST_SUITE_P(Folders, CliCase, testing::ValuesIn(suite::testing::goldenCaseNames(kCases)),
                         suite::testing::GoldenCaseName());

const std::string kFormula = "uni\nA\nvar\nx:1\nfor\nparatodo x e x x";

struct ToolRun {
    int status;
    std::string out, err;
};

ToolRun runTool(const std::vector<std::string>& arguments, std::istream& in) {
    std::ostringstream out, err;
    const int status = varquen::cli::run(arguments, in, out, err);
    return {status, out.str(), err.str()};
}

// A file far bigger than any formula file is refused by size, and standard input is not read on
// without end: the tool once grew without limit on /dev/zero.
TEST(CliInput, RefusesInputBeyondTheSizeLimitWithoutReadingItAll) {
    const suite::testing::ScratchFolder scratch;
    const std::filesystem::path big = scratch.path() / "big.txt";
    suite::testing::writeFile(big, "");
    std::filesystem::resize_file(big, 64 * 1024 * 1024);
    std::filesystem::create_symlink(big, scratch.path() / "link.txt");
    const std::string refused = "El fichero tiene más de 1048576 bytes, más de los que puede tener un "
                                "fichero de fórmulas: no se lee\n";
    for (const std::string& file : {big.string(), (scratch.path() / "link.txt").string()}) {
        std::istringstream none;
        const ToolRun result = runTool({file}, none);
        EXPECT_EQ(result.status, 2) << file;
        EXPECT_EQ(result.err, refused) << file;
    }
    suite::testing::ZeroSource zeros(64 * 1024 * 1024);
    std::istream in(&zeros);
    const ToolRun result = runTool({"-"}, in);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, refused);
    EXPECT_LE(zeros.served(), 2u * 1024 * 1024);
}

// A FIFO once blocked the tool for ever, waiting for a writer.
TEST(CliInput, RefusesWhatIsNotARegularFileAtOnce) {
    const suite::testing::ScratchFolder scratch;
    const std::filesystem::path fifo = scratch.path() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& file : {fifo.string(), std::string("/dev/zero")}) {
        std::istringstream none;
        const ToolRun result = runTool({file}, none);
        EXPECT_EQ(result.status, 2) << file;
        EXPECT_EQ(result.err,
                  file + ": No es un fichero corriente, sino una tubería, un dispositivo o un socket.\n");
    }
}

// Status 4 whatever was asked, so that it is never read as an unknown answer (3).
TEST(CliOutput, OutputThatCannotBeWrittenIsAFailure) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> asked = {
        {{"-"}, "No puedo escribir la traducción en la salida estándar\n"},
        {{"--valid", "-"}, "No puedo escribir en la salida estándar\n"},
        {{"--tptp", "-"}, "No puedo escribir en la salida estándar\n"}};
    for (const auto& [arguments, message] : asked) {
        suite::testing::FullSink full;
        std::ostream out(&full);
        std::istringstream in(kFormula);
        std::ostringstream err;
        EXPECT_EQ(varquen::cli::run(arguments, in, out, err), 4) << arguments[0];
        EXPECT_EQ(err.str(), message) << arguments[0];
    }
}

} // namespace
