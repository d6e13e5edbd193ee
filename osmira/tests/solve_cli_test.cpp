// osmira-cli solve: a derivable exercise, a theorem from the empty sheet too, gets its steps
// appended and verify finds it valid and solved; one whose goal does not follow is refused with
// the reason and left as it was; bad input is a usage error; a teacher's exam lock refuses it.
// osmira-cli new tells a conclusion that does not follow.

#include "cli_support.h"
#include "exam_room.h"

#include "suite_testing/scratch_folder.h"

#include <gtest/gtest.h>

using namespace osmira;

namespace {

struct SolveCase {
    const char* name;
    std::vector<std::string> newWords; // after "new"; empty: the file is written as `bytes`
    std::string bytes;
    int status;
    std::string err; // what standard error must contain
};

void PrintTo(const SolveCase& c, std::ostream* os) {
    *os << c.name;
}

const std::string kNote = "La conclusión no se sigue de las hipótesis: con A falsa y B verdadera, las "
                          "hipótesis son verdaderas y la conclusión es falsa.";

// A∨B∨…∨J∨A∨… with 100 terms.
std::string hundredTermDisjunction() {
    std::string formula = "A";
    for (int term = 1; term < 100; ++term) {
        formula += std::string("|") + static_cast<char>('A' + term % 10);
    }
    return formula;
}

class SolveCli : public ::testing::TestWithParam<SolveCase> {
  protected:
    suite::testing::ScratchFolder folder_;
};

TEST_P(SolveCli, AppendsAValidDerivationOrRefuses) {
    const SolveCase& c = GetParam();
    const std::string path = (folder_.path() / "ex.omr").string();
    const std::string solved = (folder_.path() / "solved.omr").string();
    if (c.newWords.empty()) {
        suite::testing::writeFile(path, c.bytes);
    } else {
        std::vector<std::string> words{"new", "--date", "0", "-o", path};
        words.insert(words.end(), c.newWords.begin(), c.newWords.end());
        ASSERT_EQ(test::runCli(words).status, 0);
    }
    const std::string before = suite::testing::readFile(path);
    const test::CliOutcome outcome = test::runCli({"solve", path, "-o", solved});
    EXPECT_EQ(outcome.status, c.status) << outcome.err;
    EXPECT_NE(outcome.err.find(c.err), std::string::npos) << outcome.err;
    EXPECT_EQ(suite::testing::readFile(path), before);
    if (c.status == 0) {
        const test::CliOutcome verified = test::runCli({"verify", "--json", solved});
        EXPECT_NE(verified.out.find("\"valid\":true,\"goal_reached\":true"), std::string::npos)
            << verified.out;
        EXPECT_NE(outcome.out.find("pasos añadidos: "), std::string::npos) << outcome.out;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SolveCli,
    ::testing::Values(
        SolveCase{"ModusPonens", {"--hyp", "A", "--hyp", "A>B", "--concl", "B"}, "", 0, ""},
        SolveCase{"Dilemma", {"--hyp", "(A>B)&(C>D)", "--hyp", "A|C", "--concl", "B|D"}, "", 0, ""},
        SolveCase{"AlreadyThere", {"--hyp", "A&B", "--concl", "B&A"}, "", 0, ""},
        SolveCase{"DoesNotFollow", {"--hyp", "A>B", "--concl", "B>A"}, "", 1, kNote},
        SolveCase{"PeircesLaw", {"--concl", "((P>Q)>P)>P"}, "", 0, ""},
        SolveCase{"NotATautology", {"--concl", "A>B"}, "", 1, "no es una tautología"},
        SolveCase{"NoConclusionTheHypothesesAreTheTheorem", {"--hyp", "A|~A"}, "", 0, ""},
        SolveCase{"NotAnExercise", {}, "no", 2, "ex.omr: "},
        // Beyond the search, and a derivation the exercise could not hold: nothing decided, status 3.
        SolveCase{"ElevenLetters",
                  {"--hyp", "A&B&C&D&E&F&G&H&I&J&K", "--concl", "A|K"},
                  "",
                  3,
                  "demasiado grande para buscar"},
        SolveCase{"HundredTermDisjunction",
                  {"--hyp", "A", "--concl", hundredTermDisjunction()},
                  "",
                  3,
                  "no cabe en el ejercicio"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SolveCliUsage, NeedsExactlyOneFile) {
    EXPECT_EQ(test::runCli({"solve"}).status, 2);
    EXPECT_EQ(test::runCli({"solve", "a.omr", "b.omr"}).status, 2);
    EXPECT_EQ(test::runCli({"solve", "a.omr", "--colour", "red"}).status, 2);
}

class SolveInAnExamRoom : public ::testing::TestWithParam<test::ExamRoomCase> {};

// Only the teacher's lock speaks to osmira-cli, and neither the student's settings nor the
// environment lift it: the exercise is left as it was, the file that locks it named.
TEST_P(SolveInAnExamRoom, IsRefusedUnderTheTeachersLock) {
    const test::ExamRoomCase& room = GetParam();
    const test::ExamRoom examRoom(room);
    suite::testing::ScratchFolder folder;
    const std::string path = (folder.path() / "ex.omr").string();
    ASSERT_EQ(test::runCli({"new", "--hyp", "A", "--hyp", "A>B", "--concl", "B", "-o", path}).status, 0);
    const std::string before = suite::testing::readFile(path);

    const test::CliOutcome outcome = test::runCli({"solve", path});

    EXPECT_EQ(outcome.status, room.locked ? 1 : 0) << outcome.err;
    EXPECT_EQ(suite::testing::readFile(path) == before, room.locked);
    if (room.locked) {
        EXPECT_EQ(outcome.err, "osmira-cli: solve no está disponible: el profesor ha desactivado las pistas "
                               "para el examen en " +
                                   examRoom.systemFile() + "\n");
    }
    // Nor does new say, under the lock, that a conclusion does not follow.
    const test::CliOutcome made =
        test::runCli({"new", "--hyp", "A>B", "--concl", "B>A", "-o", (folder.path() / "nd.omr").string()});
    EXPECT_EQ(made.status, 0);
    EXPECT_EQ(made.err.empty(), room.locked) << made.err;
}

INSTANTIATE_TEST_SUITE_P(Rooms, SolveInAnExamRoom, ::testing::ValuesIn(test::kExamRooms),
                         [](const auto& info) { return std::string(info.param.name); });

// The exercise is still made; only the note is added, on standard error.
TEST(NewCli, TellsWhenTheConclusionDoesNotFollow) {
    suite::testing::ScratchFolder folder;
    const std::string path = (folder.path() / "ex.omr").string();
    const test::CliOutcome made = test::runCli({"new", "--hyp", "A>B", "--concl", "B>A", "-o", path});
    EXPECT_EQ(made.status, 0);
    EXPECT_EQ(made.err, "osmira-cli: " + kNote + "\n");
    EXPECT_EQ(test::runCli({"show", path}).status, 0);
}

} // namespace
