#include "cli_run.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace zudaviror::cli {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun run(const std::vector<std::string>& arguments, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCli(arguments, in, out, err);
    return {status, out.str(), err.str()};
}

TEST(CliMessages, RefusalsAreExplainedInSpanishOnStandardError) {
    struct Row {
        std::vector<std::string> arguments;
        int status;
        const char* err;
    };
    const Row table[] = {
        {{"pq"},
         2,
         "zudaviror-cli: La f\u00F3rmula no est\u00E1 bien formada: el s\u00EDmbolo 2 (\u00ABq\u00BB) no "
         "puede ir en ese lugar.\n"},
        {{std::string(20, '!') + "p"},
         1,
         "zudaviror-cli: La f\u00F3rmula anida 20 operadores modales; no se pueden traducir m\u00E1s de 19 "
         "anidados.\n"},
        {{"-"}, 2, "zudaviror-cli: no se ha podido leer la f\u00F3rmula de la entrada est\u00E1ndar\n"},
    };
    for (const Row& row : table) {
        const CliRun result = run(row.arguments);
        EXPECT_EQ(result.status, row.status);
        EXPECT_EQ(result.err, row.err);
        EXPECT_EQ(result.out, "");
    }
}

TEST(CliMessages, UsageErrorsShowTheUsage) {
    const CliRun result = run({"--log"});
    EXPECT_EQ(result.status, 2);
    EXPECT_TRUE(
        result.err.starts_with("zudaviror-cli: falta el nombre del fichero tras --log\nUso: zudaviror-cli"))
        << result.err;
    const CliRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(
        help.out.starts_with("Uso: zudaviror-cli [--steps] [--unicode] [--log FICHERO] F\u00D3RMULA\n"));
}

class CliLogTest : public ::testing::Test {
  protected:
    zudaviror::testing::TemporaryFolder scratch;
    const fs::path& folder = scratch.path();
};

const std::string kHeaderPattern =
    "\n\n {23}\\+{28}\n\n\t\tSESI\xD3N INICIADA A LAS   \\d\\d:\\d\\d:\\d\\d [AP]M   "
    "DEL DIA   \\d\\d_\\d\\d_\\d\\d\n\n {23},{28}\n\n";
const std::string kRecordHeadPattern =
    "\n\n {11}_{48}\n\n\tTRADUCCI\xD3N INICIADA A LAS   \\d\\d:\\d\\d:\\d\\d "
    "[AP]M     DEL DIA   \\d\\d_\\d\\d_\\d\\d ";

TEST_F(CliLogTest, AppendsAHeaderAndTheRecordAfterWhatTheFileHeld) {
    const fs::path log = folder / "traducciones.txt";
    std::ofstream(log, std::ios::binary) << "previo";
    ASSERT_EQ(run({"--log", log.string(), "!p"}).status, 0);
    ASSERT_EQ(run({"--steps", "--log", log.string(), "p"}).status, 0);
    const std::regex expected(
        "previo" + kHeaderPattern + kRecordHeadPattern +
        "\n\n\t _ F\xF3rmula MODAL K \\} !p\n\t _ F\xF3rmula MULTIVARIADA TRANS/\\(K\\) \\} "
        "\\^v\\(Suv-Pv\\)" +
        kHeaderPattern + kRecordHeadPattern +
        "\n\n\t _ F\xF3rmula MODAL K \\} p\n\t _ F\xF3rmula MULTIVARIADA TRANS/\\(K\\) \\} Pu"
        "\n\n\t _ PASOS INTERMEDIOS : \n\t _ TRANS/\\(p\\)\n\t _ TRANS/\\(p\\)\\[u\\]\n\t _ Pu");
    EXPECT_TRUE(std::regex_match(zudaviror::testing::readFile(log), expected))
        << zudaviror::testing::readFile(log);
}

TEST_F(CliLogTest, ARefusedFormulaIsNotLogged) {
    const fs::path log = folder / "nuevo.txt";
    EXPECT_EQ(run({"--log", log.string(), "p+"}).status, 2);
    EXPECT_FALSE(fs::exists(log));
}

TEST_F(CliLogTest, ALogThatCannotBeWrittenIsReportedAndTheTranslationStillShown) {
    const CliRun result = run({"--log", folder.string(), "p"});
    EXPECT_EQ(result.status, 3);
    EXPECT_EQ(result.out, "Pu\n");
    EXPECT_EQ(result.err, "zudaviror-cli: No se puede almacenar informaci\u00F3n en ese fichero.\n"
                          "zudaviror-cli: No se puede almacenar informaci\u00F3n en ese fichero.\n");
}

} // namespace
} // namespace zudaviror::cli
