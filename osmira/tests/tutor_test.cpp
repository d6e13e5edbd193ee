// The tutor: whether an exercise can be done (decided by truth tables, with a counterexample),
// and the derivation found from its last step, applied through the rules and held by the
// derivation check up to the goal.

#include "recording_workbench.h"
#include "test_support.h"

#include "osmira/check/derivation_check.h"
#include "osmira/texts/messages.h"
#include "osmira/tutor/derivability.h"
#include "osmira/tutor/derivation_search.h"
#include "suite/latin1.h"

#include <gtest/gtest.h>

#include <random>

using namespace osmira;

namespace {

// Applies the found steps on the exercise itself, as the student would, and checks the result.
void expectSolved(CEjercicio& exercise, const DerivationSearch& search) {
    ASSERT_EQ(search.outcome, SearchOutcome::Found) << suite::utf8FromLatin1(search.reason);
    WindowlessWorkbench workbench;
    exercise.attachWorkbench(workbench);
    for (const SolutionStep& step : search.steps) {
        ASSERT_EQ(step.before, exercise.GetWorking());
        ASSERT_EQ(applySolutionStep(exercise, workbench, step), RuleOutcome::Committed)
            << suite::utf8FromLatin1(workbench.refusal);
    }
    const DerivationCheck check = checkDerivation(exercise);
    EXPECT_TRUE(check.valid) << suite::utf8FromLatin1(check.reason);
    EXPECT_TRUE(check.goalReached) << exercise.GetWorking();
}

struct TutorCase {
    std::vector<std::string> hypotheses;
    std::string conclusion;
    Derivability derivability;
    std::string note; // UTF-8; for NotDerivable
    SearchOutcome outcome = SearchOutcome::Found;
};

const std::vector<TutorCase> kTutorCases = {
    {{"A", "A>B"}, "B", Derivability::Derivable, ""},
    {{"A&B"}, "B&A", Derivability::Derivable, ""},
    {{"A|B", "~A"}, "B", Derivability::Derivable, ""},
    {{"A>B", "B>C"}, "A>C", Derivability::Derivable, ""},
    {{"A", "~A"}, "C|D", Derivability::Derivable, ""},
    {{"C"}, "A|~A", Derivability::Derivable, ""},
    {{"(A>B)&(C>D)", "A|C"}, "B|D", Derivability::Derivable, ""},
    {{"~(A&B)"}, "~A|~B", Derivability::Derivable, ""},
    // Ten groups deep, as deep as a formula may nest: its denial is inserted in pieces.
    {{"D"}, "A>(B>(C>(D>(A>(B>(C>(D>(A>(B>(C>D))))))))))", Derivability::Derivable, ""},
    {{"A>B"},
     "B>A",
     Derivability::NotDerivable,
     "La conclusión no se sigue de las hipótesis: con A falsa y B verdadera, las hipótesis son "
     "verdaderas y la conclusión es falsa.",
     SearchOutcome::NotDerivable},
    {{"A|B"},
     "A",
     Derivability::NotDerivable,
     "La conclusión no se sigue de las hipótesis: con A falsa y B verdadera, las hipótesis son "
     "verdaderas y la conclusión es falsa.",
     SearchOutcome::NotDerivable},
    {{"A", "B>C"},
     "C",
     Derivability::NotDerivable,
     "La conclusión no se sigue de las hipótesis: con A verdadera, B falsa y C falsa, las "
     "hipótesis son verdaderas y la conclusión es falsa.",
     SearchOutcome::NotDerivable},
    // From the empty sheet: a theorem (Peirce's law, the praeclarum theorema), or the hypotheses
    // of an exercise without a conclusion.
    {{}, "((P>Q)>P)>P", Derivability::Derivable, ""},
    {{}, "((P>R)&(Q>S))>((P&Q)>(R&S))", Derivability::Derivable, ""},
    {{"A|~A"}, "", Derivability::Derivable, ""},
    {{},
     "A>B",
     Derivability::NotDerivable,
     "La conclusión no es una tautología: con A verdadera y B falsa, la conclusión es falsa.",
     SearchOutcome::NotDerivable},
    {{"A", "B|~B"},
     "",
     Derivability::NotDerivable,
     "Las hipótesis no son una tautología: con A falsa y B verdadera, alguna hipótesis es falsa.",
     SearchOutcome::NotDerivable},
    // Eleven letters: beyond the search unless the goal's graphs already stand.
    {{"A&B&C&D&E&F&G&H&I&J&K"}, "A|K", Derivability::Derivable, "", SearchOutcome::TooLarge},
    {{"A&B&C&D&E&F&G&H&I&J&K"}, "K&A", Derivability::Derivable, ""},
};

// One test per row, each short also in the sanitizers' build.
class TutorTable : public ::testing::TestWithParam<std::size_t> {};

TEST_P(TutorTable, DecidesAndSolvesTheExercise) {
    const TutorCase& tutorCase = kTutorCases[GetParam()];
    SCOPED_TRACE(tutorCase.conclusion);
    RecordingWorkbench recording;
    auto exercise = test::newExercise(tutorCase.hypotheses, tutorCase.conclusion, recording);
    const DerivabilityVerdict verdict = decideDerivability(*exercise);
    EXPECT_EQ(verdict.derivability, tutorCase.derivability);
    EXPECT_EQ(suite::utf8FromLatin1(notDerivableNote(verdict)), tutorCase.note);
    const DerivationSearch search = findDerivation(*exercise);
    if (tutorCase.outcome == SearchOutcome::Found) {
        expectSolved(*exercise, search);
    } else {
        EXPECT_TRUE(search.steps.empty());
        EXPECT_EQ(search.outcome, tutorCase.outcome);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, TutorTable, ::testing::Range(std::size_t{0}, kTutorCases.size()));

// Steps already taken are kept: the search starts from the last one, also when it holds an
// empty cut (which no formula gives), and says so when that step no longer entails the goal.
TEST(Tutor, StartsFromTheLastStep) {
    struct Taken {
        RuleRequest request;
        std::string working;
    };
    for (const Taken& taken : {Taken{{Rule::DoubleCut, 0, std::nullopt}, "[[]]A[A[B]]"},
                               Taken{{Rule::DoubleCut, 2, std::nullopt}, "A[[[]]A[B]]"}}) {
        RecordingWorkbench recording;
        auto exercise = test::newExercise({"A", "A>B"}, "B", recording);
        requestRule(*exercise, taken.request);
        ASSERT_EQ(exercise->GetWorking(), taken.working);
        expectSolved(*exercise, findDerivation(*exercise));
    }

    RecordingWorkbench recording;

    auto weaker = test::newExercise({"A", "A>B"}, "B", recording);
    requestRule(*weaker, {Rule::Erasure, 1, std::nullopt});
    const DerivationSearch search = findDerivation(*weaker);
    EXPECT_EQ(search.outcome, SearchOutcome::LastStepWeaker);
    EXPECT_NE(search.reason.find("A falsa y B falsa"), std::string::npos) << search.reason;
}

// A file may hold neither hypotheses nor a conclusion: nothing to derive.
TEST(Tutor, HasNothingToDeriveWithoutFormulas) {
    RecordingWorkbench recording;
    auto exercise = test::exerciseAt("", recording);
    EXPECT_EQ(decideDerivability(*exercise).derivability, Derivability::NoConclusion);
    const DerivationSearch search = findDerivation(*exercise);
    EXPECT_EQ(search.outcome, SearchOutcome::NoConclusion);
    EXPECT_EQ(search.reason, messages::kNothingToDerive);
}

// A file may hold a conclusion no formula gives: the empty cut, from contradictory hypotheses.
TEST(Tutor, ReachesAnEmptyCut) {
    RecordingWorkbench recording;
    auto exercise = test::exerciseAt("A[A]", recording);
    exercise->SetHypotheses("A[A]");
    exercise->SetConclusion("[]");
    expectSolved(*exercise, findDerivation(*exercise));
}

// Textbook exercises with the length of a derivation written by hand with the program's five
// rules, the way Alpha-graph texts set them out (Roberts, Dau, Shin): the tutor's derivations are
// never longer than half as much again, and on the median no longer.
struct TextbookExercise {
    const char* name;
    std::vector<std::string> hypotheses;
    std::string conclusion;
    std::size_t byHand;
};

const std::vector<TextbookExercise> kTextbook = {
    {"doble negación, introducción", {"A"}, "~~A", 1},
    {"doble negación, eliminación", {"~~A"}, "A", 1},
    {"modus ponens", {"A", "A>B"}, "B", 3},
    {"modus tollens", {"A>B", "~B"}, "~A", 2},
    {"contraposición", {"A>B"}, "~B>~A", 1},
    {"silogismo hipotético", {"A>B", "B>C"}, "A>C", 5},
    {"silogismo disyuntivo", {"A|B", "~A"}, "B", 3},
    {"simplificación", {"A&B"}, "A", 1},
    {"adición", {"A"}, "A|B", 2},
    {"debilitamiento", {"A"}, "B>A", 2},
    {"importación", {"A>(B>C)"}, "(A&B)>C", 1},
    {"consecuente reforzado", {"A>(B&C)"}, "A>B", 1},
    {"De Morgan, negación de la conjunción", {"~(A&B)"}, "~A|~B", 2},
    {"De Morgan, disyunción de negaciones", {"~A|~B"}, "~(A&B)", 2},
    {"De Morgan, negación de la disyunción", {"~(A|B)"}, "~A&~B", 1},
    {"modus ponens encadenado", {"A", "A>B", "B>C"}, "C", 6},
    {"dilema constructivo", {"A|B", "A>C", "B>C"}, "C", 15},
};

TEST(Tutor, DerivesTextbookExercisesAsShortlyAsByHand) {
    std::vector<double> ratios;
    for (const TextbookExercise& textbook : kTextbook) {
        SCOPED_TRACE(textbook.name);
        RecordingWorkbench recording;
        auto exercise = test::newExercise(textbook.hypotheses, textbook.conclusion, recording);
        const DerivationSearch search = findDerivation(*exercise);
        expectSolved(*exercise, search);
        EXPECT_LE(2 * search.steps.size(), 3 * textbook.byHand) << search.steps.size() << " steps";
        ratios.push_back(static_cast<double>(search.steps.size()) / static_cast<double>(textbook.byHand));
    }
    std::nth_element(ratios.begin(), ratios.begin() + static_cast<long>(ratios.size() / 2), ratios.end());
    EXPECT_LE(ratios[ratios.size() / 2], 1.0);
}

// A formula over the letters A..D with `connectives` connectives, written readably.
std::string randomFormula(std::mt19937& random, int connectives) {
    if (connectives == 0) {
        return std::string(1, static_cast<char>('A' + random() % 4));
    }
    const auto group = [&](int count) {
        std::string inner = randomFormula(random, count);
        return inner.size() == 1 ? inner : "(" + inner + ")";
    };
    if (random() % 4 == 0) {
        return "~" + group(connectives - 1);
    }
    const int left = static_cast<int>(random() % static_cast<unsigned>(connectives));
    const char connective = "&|>"[random() % 3];
    return group(left) + connective + group(connectives - 1 - left);
}

// A student who follows only the hints, from the start or after correct steps of their own, reaches
// the goal in exactly as many steps as the derivation the first of those hints belonged to, each
// hint one step shorter than the one before.
void expectHintsReachTheGoal(CEjercicio& exercise) {
    WindowlessWorkbench workbench;
    exercise.attachWorkbench(workbench);
    Tutor tutor;
    const std::size_t planned = tutor.derivation(exercise).steps.size();
    for (std::size_t followed = 0; followed < planned; ++followed) {
        const DerivationSearch search = tutor.derivation(exercise);
        ASSERT_EQ(search.steps.size(), planned - followed);
        ASSERT_EQ(applySolutionStep(exercise, workbench, search.steps.front()), RuleOutcome::Committed);
    }
    EXPECT_TRUE(exercise.goalReached()) << exercise.GetWorking();
}

// A random exercise over A..D: up to `mostHypotheses` hypotheses of fewer than `hypothesisSize`
// connectives each, a conclusion of fewer than `conclusionSize`; nothing when it is not derivable.
std::unique_ptr<CEjercicio> randomExercise(std::mt19937& random, unsigned mostHypotheses,
                                           unsigned hypothesisSize, unsigned conclusionSize,
                                           RecordingWorkbench& recording) {
    std::vector<std::string> hypotheses(1 + random() % mostHypotheses);
    for (std::string& hypothesis : hypotheses) {
        hypothesis = randomFormula(random, static_cast<int>(random() % hypothesisSize));
    }
    auto exercise = test::newExercise(
        hypotheses, randomFormula(random, static_cast<int>(random() % conclusionSize)), recording);
    if (!test::bracketImplies(exercise->GetHypotheses(), exercise->GetConclusion(), 4)) {
        return nullptr;
    }
    return exercise;
}

// The random tables run in shards, each its own test, so that every one stays short also in the
// sanitizers' build, which looks for memory faults and runs a third of them: 20 times slower,
// the whole tables would add a quarter of an hour to it.
#if defined(__SANITIZE_ADDRESS__)
constexpr unsigned kRandomShare = 1;
#else
constexpr unsigned kRandomShare = 3;
#endif
class RandomHints : public ::testing::TestWithParam<unsigned> {};

TEST_P(RandomHints, FollowedReachTheGoal) {
    std::mt19937 random(20261210 + GetParam());
    for (int solved = 0; solved < 1;) {
        RecordingWorkbench recording;
        auto exercise = randomExercise(random, 4, 4, 6, recording);
        if (!exercise) {
            continue;
        }
        SCOPED_TRACE(exercise->GetHypotheses() + " |- " + exercise->GetConclusion());
        // In every other shard the student first takes some steps of a derivation of their own.
        const DerivationSearch own = findDerivation(*exercise);
        const std::size_t taken = GetParam() % 2 == 0 ? 0 : random() % (own.steps.size() + 1);
        WindowlessWorkbench workbench;
        exercise->attachWorkbench(workbench);
        for (std::size_t k = 0; k < taken; ++k) {
            ASSERT_EQ(applySolutionStep(*exercise, workbench, own.steps[k]), RuleOutcome::Committed);
        }
        expectHintsReachTheGoal(*exercise);
        ++solved;
    }
}

// Within the bounds (four letters, six hypotheses, a conclusion of twelve connectives), every
// derivable exercise gets a derivation that the check holds and that reaches the goal.
class RandomSolves : public ::testing::TestWithParam<unsigned> {};

TEST_P(RandomSolves, DerivableExercisesAreSolved) {
    std::mt19937 random(20261209 + GetParam());
    for (unsigned solved = 0; solved < kRandomShare;) {
        RecordingWorkbench recording;
        auto exercise = randomExercise(random, 6, 5, 13, recording);
        if (!exercise) {
            continue;
        }
        SCOPED_TRACE(exercise->GetHypotheses() + " |- " + exercise->GetConclusion());
        ASSERT_EQ(decideDerivability(*exercise).derivability, Derivability::Derivable);
        expectSolved(*exercise, findDerivation(*exercise));
        ++solved;
    }
}

// 60 exercises followed by hints, 300 solved (a third of each under the sanitizers).
INSTANTIATE_TEST_SUITE_P(Shards, RandomHints, ::testing::Range(0u, 20 * kRandomShare));
INSTANTIATE_TEST_SUITE_P(Shards, RandomSolves, ::testing::Range(0u, 100u));

} // namespace
