// The five transformation rules on the working bracket form, every refusal message, and
// what a committed rule leaves behind.

#include <gtest/gtest.h>

#include <random>

#include "osmira/element_list.h"
#include "osmira/layout.h"
#include "osmira/messages.h"
#include "osmira/rule_request.h"
#include "osmira/transformation_rules.h"
#include "test_support.h"

using namespace osmira;

namespace {

RuleRequest R(int rule, std::size_t element, std::optional<std::size_t> source = std::nullopt) {
    return {rule, element, source};
}

struct RuleCase {
    const char* name;
    const char* working;
    RuleRequest request;
    std::optional<std::string> insert; // R2's answer
    int position;                      // R5's answer
    const char* result;                // W afterwards, or the refusal message
    bool refused;
    int marked; // element of the old step that carries the mark, for committed rules
};

RuleCase Commits(const char* name, const char* working, RuleRequest request, const char* result, int marked,
                 std::optional<std::string> insert = std::nullopt, int position = 0) {
    return {name, working, request, insert, position, result, false, marked};
}

RuleCase Refuses(const char* name, const char* working, RuleRequest request, const char* message) {
    return {name, working, request, std::nullopt, 0, message, true, -1};
}

class Rule : public ::testing::TestWithParam<RuleCase> {};

TEST_P(Rule, EditsTheWorkingFormOrRefuses) {
    const RuleCase& c = GetParam();
    RecordingWorkbench workbench;
    workbench.formulaToInsert = c.insert ? std::optional(test::Bytes(*c.insert)) : std::nullopt;
    workbench.doubleCutPosition = c.position;
    auto exercise = test::ExerciseAt(c.working, workbench);
    COsmiraDoc& first = *exercise->LastStep();

    RuleOutcome outcome = RequestRule(*exercise, c.request);

    if (c.refused) {
        EXPECT_EQ(outcome, RuleOutcome::Refused);
        EXPECT_EQ(workbench.refusals, std::vector<std::string>{c.result});
        EXPECT_EQ(exercise->GetWorking(), c.working);
        EXPECT_EQ(exercise->GetSteps().size(), 1u);
        EXPECT_EQ(first.GetPendingRule(), 0);
        EXPECT_EQ(first.GetAppliedRule(), 0);
        return;
    }
    ASSERT_EQ(outcome, RuleOutcome::Committed);
    EXPECT_TRUE(workbench.refusals.empty());
    EXPECT_EQ(exercise->GetWorking(), c.result);
    ASSERT_EQ(exercise->GetSteps().size(), 2u);
    const COsmiraDoc& next = *exercise->LastStep();
    EXPECT_EQ(BracketFormOf(next), c.result);
    EXPECT_EQ(next.GetTitle(), "Paso 02");
    EXPECT_EQ(next.GetBracketCopy(), c.request.rule == kErasure ? c.result : "");
    EXPECT_EQ(first.GetAppliedRule(), c.request.rule);
    for (int i = 0; i < static_cast<int>(first.GetElements().size()); ++i)
        EXPECT_EQ(first.GetElements()[i]->GetGraphic()->IsMarked(), i == c.marked) << "element " << i;
}

// Element positions: 0 is the sheet, then one per character that is not ']'.
INSTANTIATE_TEST_SUITE_P(
    Erasure, Rule,
    ::testing::Values(Commits("LetterOnSheet", "[A]B", R(1, 3), "[A]", 3),
                      Refuses("LetterInOddArea", "[A]B", R(1, 2), messages::kErasureParity),
                      Commits("CutOnSheet", "[A]B", R(1, 1), "B", 1),
                      Refuses("Sheet", "[A]B", R(1, 0), messages::kErasureOnSheet),
                      Refuses("CutInsideOneCut", "[A[B]]", R(1, 3), messages::kErasureParity),
                      Refuses("LetterInsideOneCut", "[A[B]]", R(1, 2), messages::kErasureParity),
                      Commits("LetterInsideTwoCuts", "[[A]]", R(1, 3), "[[]]", 3),
                      Refuses("InnerCutOfDoubleCut", "[[A]]", R(1, 2), messages::kErasureParity)),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Insertion, Rule,
    ::testing::Values(Commits("IntoCutOnSheet", "[A]", R(2, 1), "[BA]", 1, "B"),
                      Commits("AfterLetterInOddArea", "[A]", R(2, 2), "[A[B[C]]]", 2, "B>C"),
                      Commits("BlanksRemoved", "[A]", R(2, 1), "[BCA]", 1, " B & C "),
                      Refuses("Sheet", "[A]", R(2, 0), messages::kInsertionParity),
                      Refuses("LetterOnSheet", "A", R(2, 1), messages::kInsertionParity)),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Iteration, Rule,
    ::testing::Values(Commits("LetterIntoCut", "A[B]", R(3, 2, 1), "A[AB]", 1),
                      Commits("LetterOntoLetter", "AB", R(3, 2, 1), "ABA", 1),
                      Commits("CutIntoDeeperCut", "[A][[B]]", R(3, 4, 1), "[A][[[A]B]]", 1),
                      Refuses("OntoItself", "A[B]", R(3, 1, 1), messages::kIteration),
                      Refuses("DeeperGraphOntoShallowerLetter", "A[B]", R(3, 1, 3), messages::kIteration),
                      Refuses("OntoTheSheet", "A[B]", R(3, 0, 1), messages::kIteration),
                      Refuses("IntoItsOwnArea", "[AB]", R(3, 1, 2), messages::kIteration),
                      Refuses("TheSheetItself", "A[B]", R(3, 2, 0), messages::kIteration),
                      Refuses("IntoItsOwnInterior", "C[[C]]", R(3, 4, 3), messages::kIteration),
                      // As deep, but outside the area of the original: (A→B)∧(C→D) does not
                      // give (A→B)∧(C→B∧D).
                      Refuses("OutsideTheOriginalsArea", "[A[B]][C[D]]", R(3, 7, 4), messages::kIteration)),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Deiteration, Rule,
    ::testing::Values(Commits("InnerCopy", "A[AB]", R(4, 3), "A[B]", 3),
                      Commits("InnerCopyBeforeOriginal", "[A]A", R(4, 2), "[]A", 2),
                      Commits("CutCopy", "[B][C[B]]", R(4, 5), "[B][C]", 5),
                      Refuses("Siblings", "AA", R(4, 2), messages::kDeiteration),
                      Refuses("OriginalDeeper", "[A]A", R(4, 3), messages::kDeiteration),
                      Refuses("NoOtherOccurrence", "A[B]", R(4, 3), messages::kDeiteration),
                      Refuses("OrderMatters", "[AB][C[BA]]", R(4, 5), messages::kDeiteration),
                      // The same depth elsewhere is no original: ¬A∧¬A does not give ¬A∧¬⊤.
                      Refuses("OriginalInAnotherCut", "[A][A]", R(4, 4), messages::kDeiteration),
                      // The sibling does not decide when an enclosing original stands further on.
                      Commits("SiblingThenEnclosingOriginal", "[AA]A", R(4, 3), "[A]A", 3),
                      Refuses("Sheet", "AA", R(4, 0), messages::kDeiterationOnSheet)),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    DoubleCut, Rule,
    ::testing::Values(Commits("AroundLetter", "A", R(5, 1), "[[A]]", 1),
                      Commits("RemovesDoubleCut", "[[A]]", R(5, 1), "A", 1),
                      Commits("OnSheet", "AB", R(5, 0), "[[]]AB", 0),
                      Commits("AroundCut", "[A]", R(5, 1), "[[[A]]]", 1, std::nullopt, 1),
                      Commits("InsideCut", "[A]", R(5, 1), "[[[]]A]", 1, std::nullopt, 0),
                      Commits("InsideCutWithTwoChildren", "[[A]B]", R(5, 1), "[[[]][A]B]", 1, std::nullopt,
                              0),
                      Commits("RemovesNestedDoubleCut", "C[[[A]B]]", R(5, 2), "C[A]B", 2)),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RuleCommit, TellsTheWorkbenchInOrder) {
    RecordingWorkbench workbench;
    auto exercise = test::ExerciseAt("[A]B", workbench);
    ASSERT_EQ(RequestRule(*exercise, R(1, 3)), RuleOutcome::Committed);
    EXPECT_EQ(workbench.calls,
              (std::vector<std::string>{"OpenWindow Paso 01", "RepaintView Paso 01", "OpenWindow Paso 02",
                                        "RepaintView Paso 02", "AddNavigatorStep Paso 02 1"}));
}

TEST(RuleCommit, LockedStepIsRefusedWithItsMessage) {
    RecordingWorkbench workbench;
    auto exercise = test::ExerciseAt("A", workbench);
    exercise->LastStep()->SetAppliedRule(1);
    EXPECT_EQ(RequestRule(*exercise, R(5, 1)), RuleOutcome::Refused);
    EXPECT_EQ(workbench.refusals, std::vector<std::string>{messages::kLockedStep});
    EXPECT_EQ(exercise->GetSteps().size(), 1u);
}

TEST(RuleCommit, CancelledInsertionChangesNothingAndKeepsTheRulePending) {
    RecordingWorkbench workbench;
    auto exercise = test::ExerciseAt("[A]", workbench);
    EXPECT_EQ(RequestRule(*exercise, R(2, 1)), RuleOutcome::Cancelled);
    workbench.formulaToInsert = test::Bytes("B&");
    EXPECT_EQ(RequestRule(*exercise, R(2, 1)), RuleOutcome::Cancelled);
    EXPECT_EQ(exercise->GetWorking(), "[A]");
    EXPECT_EQ(exercise->GetSteps().size(), 1u);
    EXPECT_EQ(exercise->LastStep()->GetPendingRule(), 2);
    EXPECT_TRUE(workbench.refusals.empty());
}

TEST(RuleCommit, SelectionsOutsideTheLastStepApplyNothing) {
    RecordingWorkbench workbench;
    auto exercise = test::ExerciseAt("A", workbench);
    EXPECT_EQ(RequestRule(*exercise, R(1, 7)), RuleOutcome::NotApplied);
    EXPECT_EQ(RequestRule(*exercise, R(3, 1)), RuleOutcome::NotApplied);
    exercise->LastStep()->SetPendingRule(1);
    exercise->LastStep()->SetSelectedElement(nullptr);
    EXPECT_EQ(exercise->ApplyRule(), RuleOutcome::NotApplied);
    // A letter of another diagram, in an odd area: its parity must not even be looked at.
    COsmiraDoc other;
    BuildDiagram(other, DefaultAppearances(), "[A]");
    for (int rule = 1; rule <= 5; ++rule) {
        exercise->LastStep()->SetPendingRule(rule);
        exercise->LastStep()->SetSelectedElement(other.GetElements()[2].get());
        exercise->LastStep()->SetIterationSource(exercise->LastStep()->GetElements()[1].get());
        EXPECT_EQ(exercise->ApplyRule(), RuleOutcome::NotApplied) << "rule " << rule;
    }
    exercise->LastStep()->SetPendingRule(3);
    exercise->LastStep()->SetSelectedElement(exercise->LastStep()->GetElements()[0].get());
    exercise->LastStep()->SetIterationSource(other.GetElements()[1].get());
    EXPECT_EQ(exercise->ApplyRule(), RuleOutcome::NotApplied);
    EXPECT_TRUE(workbench.refusals.empty());
    exercise->LastStep()->SetPendingRule(9);
    exercise->LastStep()->SetSelectedElement(exercise->LastStep()->GetElements()[1].get());
    EXPECT_EQ(exercise->ApplyRule(), RuleOutcome::NotApplied);
    EXPECT_EQ(exercise->GetSteps().size(), 1u);
}

// --- Soundness: every committed rule yields a diagram the previous one implies ----------

std::string RandomBracketForm(std::mt19937& random, int depth) {
    std::string bracket;
    int graphs = static_cast<int>(random() % 3);
    for (int i = 0; i < graphs; ++i) {
        if (depth > 0 && random() % 2)
            bracket += "[" + RandomBracketForm(random, depth - 1) + "]";
        else
            bracket += static_cast<char>('A' + random() % 3);
    }
    return bracket;
}

bool Implies(const std::string& premise, const std::string& conclusion) {
    for (unsigned valuation = 0; valuation < 8; ++valuation)
        if (test::BracketValue(premise, valuation) && !test::BracketValue(conclusion, valuation))
            return false;
    return true;
}

TEST(RuleSoundness, EveryCommittedRuleFollowsFromItsPremise) {
    std::mt19937 random(4242);
    int committed = 0;
    for (int n = 0; n < 300; ++n) {
        std::string premise = RandomBracketForm(random, 3) + RandomBracketForm(random, 3);
        RecordingWorkbench probe;
        std::size_t count = test::ExerciseAt(premise, probe)->LastStep()->GetElements().size();
        for (int rule = 1; rule <= 5; ++rule) {
            for (std::size_t element = 0; element < count; ++element) {
                for (std::size_t source = 0; source < (rule == kIteration ? count : 1); ++source) {
                    RecordingWorkbench workbench;
                    workbench.formulaToInsert = "A";
                    workbench.doubleCutPosition = static_cast<int>(element % 2);
                    auto exercise = test::ExerciseAt(premise, workbench);
                    if (RequestRule(*exercise, R(rule, element, source)) != RuleOutcome::Committed)
                        continue;
                    ++committed;
                    ASSERT_TRUE(Implies(premise, exercise->GetWorking()))
                        << "rule " << rule << " on " << element << " (source " << source << "): " << premise
                        << " gave " << exercise->GetWorking();
                }
            }
        }
    }
    EXPECT_GT(committed, 3000);
}

TEST(Locate, FindsEachElementsOpeningCharacter) {
    RecordingWorkbench workbench;
    auto exercise = test::ExerciseAt("[A[B]]C", workbench);
    const COsmiraDoc& diagram = *exercise->LastStep();
    std::vector<std::size_t> at;
    for (size_t i = 1; i < diagram.GetElements().size(); ++i)
        at.push_back(Locate(diagram, "[A[B]]C", *diagram.GetElements()[i])->at);
    EXPECT_EQ(at, (std::vector<std::size_t>{0, 1, 2, 3, 6}));
    EXPECT_FALSE(Locate(diagram, "[A", *diagram.GetElements()[5]));
}

} // namespace
