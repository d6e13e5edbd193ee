// What the golden cases cannot hold: log files, whose records carry the time of the run.

#include "run.h"

#include "suite/latin1.h"

#include "suite_testing/scratch_folder.h"
#include "suite_testing/stream_doubles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <streambuf>

namespace zudaviror::cli {
namespace {

namespace fs = std::filesystem;
using suite::testing::readFile;

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun runTool(const std::vector<std::string>& arguments) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const int status = run(arguments, in, out, err);
    return {status, out.str(), err.str()};
}

class CliLogTest : public ::testing::Test {
  protected:
    suite::testing::ScratchFolder scratch;
    const fs::path& folder = scratch.path();
};

const std::string kHeaderPattern =
    suite::latin1FromUtf8("\n\n {23}\\+{28}\n\n\t\tSESIÓN INICIADA A LAS   \\d\\d:\\d\\d:\\d\\d [AP]M   "
                          "DEL DIA   \\d\\d_\\d\\d_\\d\\d\n\n {23},{28}\n\n");
const std::string kRecordHeadPattern =
    suite::latin1FromUtf8("\n\n {11}_{48}\n\n\tTRADUCCIÓN INICIADA A LAS   \\d\\d:\\d\\d:\\d\\d "
                          "[AP]M     DEL DIA   \\d\\d_\\d\\d_\\d\\d ");

TEST_F(CliLogTest, AppendsAHeaderAndTheRecordAfterWhatTheFileHeld) {
    const fs::path log = folder / "traducciones.txt";
    std::ofstream(log, std::ios::binary) << "previo";
    ASSERT_EQ(runTool({"--log", log.string(), "!p"}).status, 0);
    ASSERT_EQ(runTool({"--steps", "--log", log.string(), "p"}).status, 0);
    const std::regex expected(
        "previo" + kHeaderPattern + kRecordHeadPattern +
        suite::latin1FromUtf8("\n\n\t _ Fórmula MODAL K \\} !p\n\t _ Fórmula MULTIVARIADA TRANS/\\(K\\) \\} "
                              "\\^v\\(Suv-Pv\\)") +
        kHeaderPattern + kRecordHeadPattern +
        suite::latin1FromUtf8(
            "\n\n\t _ Fórmula MODAL K \\} p\n\t _ Fórmula MULTIVARIADA TRANS/\\(K\\) \\} Pu"
            "\n\n\t _ PASOS INTERMEDIOS : \n\t _ TRANS/\\(p\\)\n\t _ TRANS/\\(p\\)\\[u\\]\n\t _ Pu"));
    EXPECT_TRUE(std::regex_match(readFile(log), expected)) << readFile(log);
}

// The package's examples: each formula file, read as `zudaviror-cli -` reads it, translates, and
// the sample log beside them is what the tool writes for them in the order of their names (its
// times aside).
TEST_F(CliLogTest, ExamplesTranslateAndTheirSampleLogIsTheToolsOwn) {
    const fs::path examples = EXAMPLES_DIR;
    std::vector<fs::path> formulas;
    for (const fs::directory_entry& entry : fs::directory_iterator(examples)) {
        if (entry.path().extension() == ".txt") {
            formulas.push_back(entry.path());
        }
    }
    std::sort(formulas.begin(), formulas.end());
    ASSERT_GE(formulas.size(), 3u);
    const fs::path log = folder / "registro.log";
    for (const fs::path& formula : formulas) {
        std::istringstream in(readFile(formula));
        std::ostringstream out, err;
        EXPECT_EQ(run({"--steps", "--log", log.string(), "-"}, in, out, err), 0) << formula.filename();
        EXPECT_EQ(err.str(), "") << formula.filename();
    }
    const auto timeless = [](const std::string& bytes) {
        return std::regex_replace(bytes, std::regex(R"(\d\d:\d\d:\d\d [AP]M|\d\d_\d\d_\d\d)"), "#");
    };
    EXPECT_EQ(timeless(readFile(log)), timeless(readFile(examples / "registro.log")));
}

TEST_F(CliLogTest, ARefusedFormulaIsNotLogged) {
    const fs::path log = folder / "nuevo.txt";
    EXPECT_EQ(runTool({"--log", log.string(), "p+"}).status, 2);
    EXPECT_FALSE(fs::exists(log));
}

TEST_F(CliLogTest, ALogThatCannotBeWrittenIsReportedAndTheTranslationStillShown) {
    const fs::path readOnly = folder / "solo-lectura.txt";
    std::ofstream(readOnly, std::ios::binary) << "previo";
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    struct Row {
        fs::path log;
        std::string err;
    };
    const Row table[] = {
        {folder, "zudaviror-cli: No se puede almacenar información en ese fichero.\n"
                 "zudaviror-cli: No se puede almacenar información en ese fichero.\n"},
        {readOnly, "zudaviror-cli: No se puede almacenar información en ese fichero: el fichero es de solo "
                   "lectura: no se reemplaza.\n"},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.log.filename().string());
        const CliRun result = runTool({"--log", row.log.string(), "p"});
        EXPECT_EQ(result.status, 4);
        EXPECT_EQ(result.out, "Pu\n");
        EXPECT_EQ(result.err, row.err);
    }
    EXPECT_EQ(readFile(readOnly), "previo");
}

// The tool once read a line of standard input without end (`zudaviror-cli - < /dev/zero`).
TEST(CliInput, AnOverLongLineOfStandardInputIsRefusedWithoutReadingItAll) {
    suite::testing::ZeroSource zeros(64 * 1024 * 1024);
    std::istream in(&zeros);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(run({"-"}, in, out, err), kExitBeyondLimits);
    EXPECT_EQ(err.str(), "zudaviror-cli: la línea de la entrada estándar tiene más de 4096 caracteres; no se "
                         "pueden traducir más de 255 símbolos.\n");
    EXPECT_LE(zeros.served(), 1024u * 1024);
}

TEST(CliOutput, OutputThatCannotBeWrittenIsAFailure) {
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{"p"}, {"--help"}}) {
        suite::testing::FullSink full;
        std::ostream out(&full);
        std::istringstream in;
        std::ostringstream err;
        EXPECT_EQ(run(arguments, in, out, err), kExitOutputFailed) << arguments[0];
        EXPECT_EQ(err.str(), "zudaviror-cli: no se ha podido escribir en la salida estándar\n")
            << arguments[0];
    }
}

} // namespace
} // namespace zudaviror::cli
