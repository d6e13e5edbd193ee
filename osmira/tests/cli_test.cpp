// osmira-cli run in-process: the worked examples through the tool, every refusal
// and usage error, and files left untouched by a refused command.

#include "cli_support.h"
#include "run.h"
#include "suite_testing/golden_cases.h"
#include "suite_testing/scratch_folder.h"
#include "suite_testing/stream_doubles.h"
#include "test_support.h"
#include "text_encoding.h"

#include "osmira/bracket/bracket_form.h"
#include "osmira/formula/formula_entry.h"
#include "osmira/texts/messages.h"
#include "suite/latin1.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace osmira;

namespace {

std::string utf8(std::string_view latin1) {
    return suite::utf8FromLatin1(latin1);
}

class CliFiles : public ::testing::Test {
  protected:
    std::string pathTo(const std::string& name) const { return (folder_ / name).string(); }

    // Hypotheses A and A→B, conclusion B.
    std::string modusPonens() {
        std::string path = pathTo("mp.omr");
        EXPECT_EQ(test::runCli({"new", "--title", "MP", "--date", "0", "--hyp", "A", "--hyp", "A>B",
                                "--concl", "B", "-o", path})
                      .status,
                  0);
        return path;
    }

    suite::testing::ScratchFolder folder_;
};

struct FormulaCase {
    const char* name;
    const char* command;
    std::string formula;
    int status;
    std::string out;
};

void PrintTo(const FormulaCase& c, std::ostream* os) {
    *os << c.name;
}

class CliFormula : public ::testing::TestWithParam<FormulaCase> {};

TEST_P(CliFormula, PrintsTheAnswer) {
    const FormulaCase& c = GetParam();
    test::CliOutcome outcome = test::runCli({c.command, c.formula});
    EXPECT_EQ(outcome.status, c.status) << outcome.err;
    if (c.status == 0 || std::string(c.command) == "check") {
        EXPECT_EQ(outcome.out, c.out + "\n");
    } else {
        EXPECT_EQ(outcome.err, "osmira-cli: " + c.out + "\n");
    }
}

const std::string kSyntax = utf8(messages::kFormulaSyntax);

INSTANTIATE_TEST_SUITE_P(
    Commands, CliFormula,
    ::testing::Values(FormulaCase{"CheckLetter", "check", "A", 0, "ok"},
                      FormulaCase{"CheckTrailingConnective", "check", "A&", 1, kSyntax},
                      FormulaCase{"CheckTrailingNegation", "check", "A~", 1, kSyntax},
                      FormulaCase{"CheckEmpty", "check", " ", 1, utf8(messages::kEmptyFormula)},
                      FormulaCase{"CheckLowerCase", "check", "a", 1, kSyntax},
                      FormulaCase{"CheckUtf8Signs", "check",
                                  "(A \xE2\x88\xA7 \xC2\xAC B) \xE2\x86\x92 C \xE2\x88\xA8 D", 0, "ok"},
                      FormulaCase{"CheckLatin1Bytes", "check",
                                  "\xD8(A\xD9"
                                  "B)\xAE"
                                  "C\xDA"
                                  "D",
                                  0, "ok"},
                      FormulaCase{"CheckTooDeep", "check", std::string(21, '(') + "A" + std::string(21, ')'),
                                  1, utf8(messages::kFormulaTooDeep)},
                      FormulaCase{"ConvertRunScript", "convert", "(A>B)&A", 0, "[A[B]]A"},
                      FormulaCase{"ConvertLetter", "convert", "A", 0, "A"},
                      FormulaCase{"ConvertNegation", "convert", "~A", 0, "[A]"},
                      FormulaCase{"ConvertConjunction", "convert", "A&B", 0, "AB"},
                      FormulaCase{"ConvertImplication", "convert", "A>B", 0, "[A[B]]"},
                      FormulaCase{"ConvertDisjunction", "convert", "A|B", 0, "[[A][B]]"},
                      FormulaCase{"ConvertNegatedGroup", "convert", "~(A&B)", 0, "[AB]"},
                      FormulaCase{"ConvertGroupImplies", "convert", "(A&B)>C", 0, "[AB[C]]"},
                      FormulaCase{"ConvertImpliesGroup", "convert", "A>(B&C)", 0, "[A[BC]]"},
                      FormulaCase{"ConvertImpliesNegatedGroup", "convert", "A>~(B)", 0, "[A[[B]]]"},
                      FormulaCase{"ConvertNegatedNegation", "convert", "~(~A)", 0, "[[A]]"},
                      FormulaCase{"ConvertAndNotOr", "convert", "A & ~(B | C)", 0, "A[[[B][C]]]"},
                      FormulaCase{"ConvertNegationRun", "convert", "~~A", 0, "[[A]]"},
                      FormulaCase{"ConvertKeepsConnectiveBeforeNegatedGroup", "convert", "(A&~(B))", 0,
                                  "A[B]"},
                      FormulaCase{"ConvertLeftToRight", "convert", "A|B|C", 0, "[[[[A][B]]][C]]"},
                      FormulaCase{"ConvertRefusesDangling", "convert", "A&", 1, kSyntax}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliLayout, PrintsOneLinePerElement) {
    test::CliOutcome outcome = test::runCli({"layout", "[A[B]]"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "0 H - depth=0 parity=1 rect=50,50,230,188 marked=0\n"
                           "1 C - depth=0 parity=2 rect=70,70,210,168 marked=0\n"
                           "2 L A depth=1 parity=2 rect=90,110,110,128 marked=0\n"
                           "3 C - depth=1 parity=1 rect=130,90,190,148 marked=0\n"
                           "4 L B depth=2 parity=1 rect=150,110,170,128 marked=0\n");
    EXPECT_EQ(test::runCli({"layout", ""}).out, "0 H - depth=0 parity=1 rect=50,50,70,68 marked=0\n");
    EXPECT_EQ(test::runCli({"layout", "[A]B"}).out, "0 H - depth=0 parity=1 rect=50,50,190,148 marked=0\n"
                                                    "1 C - depth=0 parity=2 rect=70,70,130,128 marked=0\n"
                                                    "2 L A depth=1 parity=2 rect=90,90,110,108 marked=0\n"
                                                    "3 L B depth=0 parity=1 rect=150,90,170,108 marked=0\n");
    EXPECT_EQ(test::runCli({"layout", "[]"}).out, "0 H - depth=0 parity=1 rect=50,50,110,108 marked=0\n"
                                                  "1 C - depth=0 parity=2 rect=70,70,90,88 marked=0\n");
    for (const char* bad : {"[A", "A]", "[a]", "A B"}) {
        EXPECT_EQ(test::runCli({"layout", bad}).status, 1) << bad;
    }
}

struct LimitCase {
    const char* name;
    std::vector<std::string> words;
    std::string message; // on either stream
};

void PrintTo(const LimitCase& c, std::ostream* os) {
    *os << c.name;
}

class CliLimits : public ::testing::TestWithParam<LimitCase> {};

// Inputs beyond what an exercise can hold are refused before anything is laid out.
TEST_P(CliLimits, RefusesWhatNoExerciseCanHold) {
    test::CliOutcome outcome = test::runCli(GetParam().words);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE((outcome.out + outcome.err).find(GetParam().message), std::string::npos) << outcome.err;
}

std::string longFormula() {
    std::string formula = "A";
    while (formula.size() <= kLongestFormula) {
        formula += "&A";
    }
    return formula;
}

const std::string kTooLong = utf8(messages::kFormulaTooLong);

INSTANTIATE_TEST_SUITE_P(
    Inputs, CliLimits,
    ::testing::Values(
        LimitCase{
            "Layout", {"layout", std::string(kLongestBracketForm + 1, 'A')}, "más de 1048576 caracteres"},
        LimitCase{"Check", {"check", longFormula()}, kTooLong},
        LimitCase{"Convert", {"convert", longFormula()}, kTooLong},
        LimitCase{"NewHypothesis", {"new", "--hyp", "A", "--hyp", longFormula(), "-o", "x.omr"}, kTooLong},
        LimitCase{"NewConclusion", {"new", "--hyp", "A", "--concl", longFormula(), "-o", "x.omr"}, kTooLong},
        LimitCase{"ApplyInsertion", {"apply", "x.omr", "2", "1", "--insert", longFormula()}, kTooLong}),
    [](const auto& info) { return std::string(info.param.name); });

// A FIFO once blocked every command for ever, waiting for a writer.
TEST_F(CliFiles, WhatIsNotARegularFileIsRefusedAtOnce) {
    const std::string fifo = pathTo("fifo.omr");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string refused = "No es un fichero corriente, sino una tuber\xC3\xAD"
                                "a, un dispositivo o un socket.";
    for (const std::string& file : {fifo, std::string("/dev/zero")}) {
        test::CliOutcome outcome = test::runCli({"show", file});
        EXPECT_EQ(outcome.status, 2) << file;
        EXPECT_EQ(outcome.err, "osmira-cli: " + file + ": " + refused + "\n");
        EXPECT_EQ(test::runCli({"verify", file}).out,
                  file + ": ilegible: " + refused +
                      "\nFicheros: 1, v\xC3\xA1lidos: 0, resueltos: 0, no v\xC3\xA1lidos: 0, ilegibles: 1\n"
                      "Estados: resuelto 0, incompleto 0, paso err\xC3\xB3neo 0, ilegible 1\n");
    }
}

TEST_F(CliFiles, OutputThatCannotBeWrittenIsAFailure) {
    std::string path = modusPonens();
    for (const std::vector<std::string>& words : std::vector<std::vector<std::string>>{{"check", "A"},
                                                                                       {"check", "A&"},
                                                                                       {"convert", "A"},
                                                                                       {"layout", "[A]"},
                                                                                       {"show", path},
                                                                                       {"verify", path}}) {
        suite::testing::FullSink full;
        std::ostream out(&full);
        std::istringstream in;
        std::ostringstream err;
        EXPECT_EQ(cli::run(words, in, out, err), 4) << words.front();
        EXPECT_EQ(err.str(),
                  utf8(suite::latin1FromUtf8("osmira-cli: no se puede escribir en la salida estándar\n")))
            << words.front();
    }
}

// Whole runs of the tool, one folder each under data/cli.
class CliGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(CliGolden, MatchesItsFolder) {
    suite::testing::expectGoldenCase(std::filesystem::path(TEST_DATA_DIR) / "cli" / GetParam(), &cli::run);
}

INSTANTIATE_TEST_SUITE_P(Cases, CliGolden,
                         ::testing::ValuesIn(suite::testing::goldenCaseNames(TEST_DATA_DIR "/cli")),
                         suite::testing::GoldenCaseName());

TEST(CliUsage, WrongWordsExitWithTwo) {
    for (const std::vector<std::string>& words :
         std::vector<std::vector<std::string>>{{},
                                               {"frobnicate"},
                                               {"check"},
                                               {"check", "A", "B"},
                                               {"new", "--hyp", "A"},
                                               {"new", "-o"},
                                               {"new", "--hyp", "A", "--colour", "red", "-o", "x"},
                                               {"show"},
                                               {"truncate", "x"},
                                               {"apply", "x", "1"}}) {
        EXPECT_EQ(test::runCli(words).status, 2) << ::testing::PrintToString(words);
    }
}

TEST_F(CliFiles, NewWritesTheGoldenFileButForTheStepIdentity) {
    std::string path = pathTo("t.omr");
    ASSERT_EQ(test::runCli({"new", "--title", "T", "--date", "0", "--hyp", "A", "-o", path}).status, 0);
    std::string bytes = suite::testing::readFile(path);
    ASSERT_EQ(bytes.size(), 298u);
    bytes.replace(0x24, 4, std::string(4, '\0'));
    EXPECT_EQ(bytes, suite::testing::readFile(TEST_DATA_DIR "/new-exercise-hypothesis-A.omr"));
}

TEST_F(CliFiles, NewRefusesWhatTheDialogsRefuse) {
    std::string path = pathTo("x.omr");
    struct Case {
        std::vector<std::string> words;
        int status;
        std::string message;
    };
    std::vector<Case> cases{
        {{"--hyp", "A&"}, 1, kSyntax},
        {{"--hyp", "A", "--concl", "(B"}, 1, kSyntax},
        {{"--hyp", "A", "--hyp", "B", "--hyp", "C", "--hyp", "D", "--hyp", "E", "--hyp", "F", "--hyp", "G"},
         2,
         "como mucho seis hip\xC3\xB3tesis"},
        {{"--title", std::string(51, 'T'), "--hyp", "A"},
         2,
         utf8("La longitud del T\xEDtulo no debe ser mayor de 50 car\xE1"
              "cteres.")},
        {{"--title", "\xCE\xA9", "--hyp", "A"},
         2,
         "no puede guardar estos caracteres, que no son del alfabeto latino: \xCE\xA9"},
        {{"--date", "99999999999", "--hyp", "A"}, 2, "--date"},
        {{"--concl", "B&"}, 1, kSyntax},
        {{}, 2, utf8(messages::kNoHypothesis)}};
    for (const Case& c : cases) {
        std::vector<std::string> words{"new", "-o", path};
        words.insert(words.end(), c.words.begin(), c.words.end());
        test::CliOutcome outcome = test::runCli(words);
        EXPECT_EQ(outcome.status, c.status) << ::testing::PrintToString(c.words);
        EXPECT_NE(outcome.err.find(c.message), std::string::npos) << outcome.err;
        EXPECT_FALSE(std::filesystem::exists(path));
    }
    EXPECT_EQ(test::runCli({"new", "-o", path, "--title", std::string(50, 'T'), "--hyp", "A"}).status, 0);
}

// "Łukasz Żółw" was once saved as "ukasz ów", without a word.
TEST_F(CliFiles, NewWritesAnEquivalentOfWhatTheFileCannotHoldAndSaysSo) {
    const std::string path = pathTo("equivalente.omr");
    const test::CliOutcome made =
        test::runCli({"new", "--author", "Łukasz Żółw", "--hyp", "A", "--concl", "A", "-o", path});
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(made.err,
              "osmira-cli: --author: El fichero solo guarda letras y signos del alfabeto latino: se ha "
              "escrito Ł como L, Ż como Z y ł como l.\n");
    EXPECT_NE(test::runCli({"show", path}).out.find("author: Lukasz Zólw\n"), std::string::npos);
}

TEST_F(CliFiles, ShowPrintsTheExerciseAndEveryStep) {
    std::string path = pathTo("show.omr");
    ASSERT_EQ(test::runCli({"new", "--title", "L\xC3\xB3gica", "--author", "Ana", "--description", "uno\ndos",
                            "--date", "86400", "--hyp", "A", "--concl", "[A]", "-o", path})
                  .status,
              1); // brackets are not formulas
    ASSERT_EQ(test::runCli({"new", "--title", "L\xC3\xB3gica", "--author", "Ana", "--description",
                            "uno\r\ndos", "--date", "86400", "--hyp", "A", "--concl", "~~A", "-o", path})
                  .status,
              0);
    ASSERT_EQ(test::runCli({"apply", path, "5", "1"}).status, 0);
    test::CliOutcome outcome = test::runCli({"show", path});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "title: L\xC3\xB3gica\n"
                           "author: Ana\n"
                           "date: 86400\n"
                           "description: uno\\ndos\n"
                           "hypotheses: A\n"
                           "conclusion: [[A]]\n"
                           "working: [[A]]\n"
                           "goal: reached\n"
                           "steps: 2\n"
                           "step 1 \"Paso 01\" applied=5 bracket=A\n"
                           "  0 H - depth=0 parity=1 rect=50,50,110,108 marked=0\n"
                           "  1 L A depth=0 parity=1 rect=70,70,90,88 marked=1\n"
                           "step 2 \"Paso 02\" applied=0 bracket=[[A]]\n"
                           "  0 H - depth=0 parity=1 rect=50,50,190,188 marked=0\n"
                           "  1 C - depth=0 parity=2 rect=70,70,170,168 marked=0\n"
                           "  2 C - depth=1 parity=1 rect=90,90,150,148 marked=0\n"
                           "  3 L A depth=2 parity=1 rect=110,110,130,128 marked=0\n");
}

TEST_F(CliFiles, ApplyDerivesTheConclusionAndTruncateReopens) {
    std::string path = modusPonens();
    EXPECT_EQ(test::runCli({"apply", path, "4", "3"}).status, 0);
    EXPECT_EQ(test::runCli({"apply", path, "5", "2"}).status, 0);
    std::string out = pathTo("out.omr");
    EXPECT_EQ(test::runCli({"apply", path, "1", "1", "-o", out}).status, 0);
    EXPECT_NE(test::runCli({"show", out}).out.find("working: B\ngoal: reached\nsteps: 4\n"),
              std::string::npos);
    EXPECT_NE(test::runCli({"show", path}).out.find("working: AB\ngoal: not reached\nsteps: 3\n"),
              std::string::npos);
    EXPECT_EQ(test::runCli({"truncate", out, "2"}).status, 0);
    std::string shown = test::runCli({"show", out}).out;
    EXPECT_NE(shown.find("working: A[[B]]\ngoal: not reached\nsteps: 2\n"), std::string::npos);
    EXPECT_NE(shown.find("step 2 \"Paso 02\" applied=0"), std::string::npos);
    EXPECT_EQ(test::runCli({"truncate", out, "3"}).status, 2);
    EXPECT_EQ(test::runCli({"truncate", out, "0"}).status, 2);
}

TEST_F(CliFiles, IterationInsertionAndDoubleCutAnswers) {
    std::string path = modusPonens(); // A[A[B]]
    EXPECT_EQ(test::runCli({"apply", path, "3", "4", "--source", "1"}).status, 0);
    EXPECT_NE(test::runCli({"show", path}).out.find("working: A[A[AB]]\n"), std::string::npos);
    EXPECT_EQ(test::runCli({"apply", path, "2", "2", "--insert", "C \xE2\x88\xA7 D"}).status, 0);
    EXPECT_NE(test::runCli({"show", path}).out.find("working: A[CDA[AB]]\n"), std::string::npos);
    EXPECT_EQ(test::runCli({"apply", path, "5", "2", "--position", "1"}).status, 0);
    EXPECT_NE(test::runCli({"show", path}).out.find("working: A[[[CDA[AB]]]]\n"), std::string::npos);
    EXPECT_EQ(test::runCli({"apply", path, "5", "2"}).status, 0);
    EXPECT_NE(test::runCli({"show", path}).out.find("working: A[CDA[AB]]\n"), std::string::npos);
    EXPECT_EQ(test::runCli({"apply", path, "5", "2", "--position", "0"}).status, 0);
    EXPECT_NE(test::runCli({"show", path}).out.find("working: A[[[]]CDA[AB]]\n"), std::string::npos);
}

// Saving through a symbolic link changes the file it names and keeps the link, as an editor does.
TEST_F(CliFiles, SavingThroughALinkWritesItsTarget) {
    std::string target = modusPonens();
    std::filesystem::create_directory(pathTo("links"));
    std::string link = pathTo("links/mp.omr");
    std::filesystem::create_symlink("../mp.omr", link);
    ASSERT_EQ(test::runCli({"apply", link, "5", "0"}).status, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(test::runCli({"show", target}).out.find("steps: 2\n") != std::string::npos, true);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(pathTo("links")), {}), 1);
}

// A file without its owner's write permission is refused, by its bits: tests run as root, who
// could write it anyway.
TEST_F(CliFiles, ReadOnlyFileIsNotReplaced) {
    std::string path = modusPonens();
    std::string before = suite::testing::readFile(path);
    std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
    for (const std::vector<std::string>& words : std::vector<std::vector<std::string>>{
             {"apply", path, "5", "0"}, {"truncate", path, "1"}, {"new", "--concl", "A|~A", "-o", path}}) {
        test::CliOutcome outcome = test::runCli(words);
        EXPECT_EQ(outcome.status, 2) << words.front();
        EXPECT_EQ(outcome.err, "osmira-cli: " + path + ": el fichero es de solo lectura: no se reemplaza\n");
        EXPECT_EQ(suite::testing::readFile(path), before);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 1);
}

TEST_F(CliFiles, RefusedRulesLeaveTheFileUntouched) {
    std::string path = modusPonens(); // 0 H, 1 A, 2 [, 3 A, 4 [, 5 B
    std::string before = suite::testing::readFile(path);
    struct Case {
        std::vector<std::string> words;
        int status;
        std::string message;
    };
    std::vector<Case> cases{{{"1", "0"}, 1, utf8(messages::kErasureOnSheet)},
                            {{"1", "3"}, 1, utf8(messages::kErasureParity)},
                            {{"2", "0", "--insert", "C"}, 1, utf8(messages::kInsertionParity)},
                            {{"2", "2"}, 1, utf8("Inserci\xF3n cancelada")},
                            {{"2", "2", "--insert", "C&"}, 1, utf8(messages::kInsertionSyntax)},
                            {{"2", "2", "--insert", ""}, 1, utf8(messages::kEmptyFormula)},
                            {{"3", "1", "--source", "1"}, 1, utf8(messages::kIteration)},
                            {{"3", "2", "--source", "0"}, 1, utf8(messages::kIteration)},
                            {{"4", "0"}, 1, utf8(messages::kDeiterationOnSheet)},
                            {{"4", "1"}, 1, utf8(messages::kDeiteration)},
                            {{"3", "2"}, 2, "--source"},
                            {{"6", "1"}, 2, "regla"},
                            {{"1", "6"}, 2, "ELEMENTO"},
                            {{"1", "-1"}, 2, "ELEMENTO"},
                            {{"5", "1", "--position", "2"}, 2, "--position"}};
    for (const Case& c : cases) {
        std::vector<std::string> words{"apply", path};
        words.insert(words.end(), c.words.begin(), c.words.end());
        test::CliOutcome outcome = test::runCli(words);
        EXPECT_EQ(outcome.status, c.status) << ::testing::PrintToString(c.words);
        EXPECT_NE(outcome.err.find(c.message), std::string::npos) << outcome.err;
        EXPECT_EQ(suite::testing::readFile(path), before);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 1);
}

TEST_F(CliFiles, FilesThatAreNotExercisesExitWithTwo) {
    std::string missing = pathTo("missing.omr");
    std::string garbage = pathTo("garbage.omr");
    std::ofstream(garbage, std::ios::binary) << "not an exercise";
    for (const std::string& path : {missing, garbage}) {
        for (const std::vector<std::string>& words : std::vector<std::vector<std::string>>{
                 {"show", path}, {"apply", path, "5", "0"}, {"truncate", path, "1"}}) {
            test::CliOutcome outcome = test::runCli(words);
            EXPECT_EQ(outcome.status, 2);
            EXPECT_EQ(outcome.err.rfind("osmira-cli: " + path + ": ", 0), 0u) << outcome.err;
        }
    }
    EXPECT_EQ(suite::testing::readFile(garbage), "not an exercise");
}

TEST(CliText, FormulaArgumentTakesBothSpellingsOfTheSigns) {
    EXPECT_EQ(cli::formulaArgument("~ A & \xC2\xAC B|C>\xE2\x86\x92"), test::formulaBytes("~A&~B|C>>"));
}

} // namespace
