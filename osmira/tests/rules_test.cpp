// The five transformation rules on the working bracket form, every refusal message, and
// what a committed rule leaves behind.

#include "recording_workbench.h"
#include "test_support.h"

#include "osmira/bracket/bracket_form.h"
#include "osmira/model/element_list.h"
#include "osmira/model/layout.h"
#include "osmira/rules/rule_request.h"
#include "osmira/rules/transformation_rules.h"
#include "osmira/texts/messages.h"

#include <gtest/gtest.h>

#include <random>

using namespace osmira;

namespace {

constexpr Rule kEveryRule[] = {Rule::Erasure, Rule::Insertion, Rule::Iteration, Rule::Deiteration,
                               Rule::DoubleCut};

RuleRequest R(Rule rule, std::size_t element, std::optional<std::size_t> source = std::nullopt) {
    return {rule, element, source};
}

struct RuleCase {
    const char* name;
    const char* working;
    RuleRequest request;
    std::optional<std::string> insert; // R2's answer
    DoubleCutPosition position;        // R5's answer
    std::string result;                // W afterwards, or the refusal message
    bool refused;
    int marked; // element of the old step that carries the mark, for committed rules
};

RuleCase commits(const char* name, const char* working, RuleRequest request, const char* result, int marked,
                 std::optional<std::string> insert = std::nullopt,
                 DoubleCutPosition position = DoubleCutPosition::Inside) {
    return {name, working, request, insert, position, result, false, marked};
}

RuleCase refuses(const char* name, const char* working, RuleRequest request, const std::string& message) {
    return {name, working, request, std::nullopt, DoubleCutPosition::Inside, message, true, -1};
}

void PrintTo(const RuleCase& c, std::ostream* os) {
    *os << c.name;
}

class Rules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(Rules, EditsTheWorkingFormOrRefuses) {
    const RuleCase& c = GetParam();
    RecordingWorkbench workbench;
    workbench.formulaToInsert = c.insert ? std::optional(test::formulaBytes(*c.insert)) : std::nullopt;
    workbench.doubleCutPosition = c.position;
    auto exercise = test::exerciseAt(c.working, workbench);
    COsmiraDoc& first = *exercise->lastStep();

    RuleOutcome outcome = requestRule(*exercise, c.request);

    if (c.refused) {
        EXPECT_EQ(outcome, RuleOutcome::Refused);
        EXPECT_EQ(workbench.refusals, std::vector<std::string>{c.result});
        EXPECT_EQ(exercise->GetWorking(), c.working);
        EXPECT_EQ(exercise->GetSteps().size(), 1u);
        EXPECT_EQ(first.GetPendingRule(), Rule::None);
        EXPECT_EQ(first.GetAppliedRule(), Rule::None);
        return;
    }
    ASSERT_EQ(outcome, RuleOutcome::Committed);
    EXPECT_TRUE(workbench.refusals.empty());
    EXPECT_EQ(exercise->GetWorking(), c.result);
    ASSERT_EQ(exercise->GetSteps().size(), 2u);
    const COsmiraDoc& next = *exercise->lastStep();
    EXPECT_EQ(bracketFormOf(next), c.result);
    EXPECT_EQ(next.GetTitle(), "Paso 02");
    EXPECT_EQ(next.GetBracketCopy(), c.request.rule == Rule::Erasure ? c.result : "");
    EXPECT_EQ(first.GetAppliedRule(), c.request.rule);
    for (int i = 0; i < static_cast<int>(first.GetElements().size()); ++i) {
        EXPECT_EQ(first.GetElements()[i]->GetGraphic()->isMarked(), i == c.marked) << "element " << i;
    }
}

// Element positions: 0 is the sheet, then one per character that is not ']'.
INSTANTIATE_TEST_SUITE_P(
    Erasure, Rules,
    ::testing::Values(commits("LetterOnSheet", "[A]B", R(Rule::Erasure, 3), "[A]", 3),
                      refuses("LetterInOddArea", "[A]B", R(Rule::Erasure, 2), messages::kErasureParity),
                      commits("CutOnSheet", "[A]B", R(Rule::Erasure, 1), "B", 1),
                      refuses("Sheet", "[A]B", R(Rule::Erasure, 0), messages::kErasureOnSheet),
                      refuses("CutInsideOneCut", "[A[B]]", R(Rule::Erasure, 3), messages::kErasureParity),
                      refuses("LetterInsideOneCut", "[A[B]]", R(Rule::Erasure, 2), messages::kErasureParity),
                      commits("LetterInsideTwoCuts", "[[A]]", R(Rule::Erasure, 3), "[[]]", 3),
                      refuses("InnerCutOfDoubleCut", "[[A]]", R(Rule::Erasure, 2), messages::kErasureParity)),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Insertion, Rules,
    ::testing::Values(commits("IntoCutOnSheet", "[A]", R(Rule::Insertion, 1), "[BA]", 1, "B"),
                      commits("AfterLetterInOddArea", "[A]", R(Rule::Insertion, 2), "[A[B[C]]]", 2, "B>C"),
                      commits("BlanksRemoved", "[A]", R(Rule::Insertion, 1), "[BCA]", 1, " B & C "),
                      refuses("Sheet", "[A]", R(Rule::Insertion, 0), messages::kInsertionParity),
                      refuses("LetterOnSheet", "A", R(Rule::Insertion, 1), messages::kInsertionParity)),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Iteration, Rules,
    ::testing::Values(
        commits("LetterIntoCut", "A[B]", R(Rule::Iteration, 2, 1), "A[AB]", 1),
        commits("LetterOntoLetter", "AB", R(Rule::Iteration, 2, 1), "ABA", 1),
        commits("CutIntoDeeperCut", "[A][[B]]", R(Rule::Iteration, 4, 1), "[A][[[A]B]]", 1),
        refuses("OntoItself", "A[B]", R(Rule::Iteration, 1, 1), messages::kIteration),
        refuses("DeeperGraphOntoShallowerLetter", "A[B]", R(Rule::Iteration, 1, 3), messages::kIteration),
        refuses("OntoTheSheet", "A[B]", R(Rule::Iteration, 0, 1), messages::kIteration),
        refuses("IntoItsOwnArea", "[AB]", R(Rule::Iteration, 1, 2), messages::kIteration),
        refuses("TheSheetItself", "A[B]", R(Rule::Iteration, 2, 0), messages::kIteration),
        refuses("IntoItsOwnInterior", "C[[C]]", R(Rule::Iteration, 4, 3), messages::kIteration),
        // As deep, but outside the area of the original: (A→B)∧(C→D) does not
        // give (A→B)∧(C→B∧D).
        refuses("OutsideTheOriginalsArea", "[A[B]][C[D]]", R(Rule::Iteration, 7, 4), messages::kIteration)),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Deiteration, Rules,
    ::testing::Values(commits("InnerCopy", "A[AB]", R(Rule::Deiteration, 3), "A[B]", 3),
                      commits("InnerCopyBeforeOriginal", "[A]A", R(Rule::Deiteration, 2), "[]A", 2),
                      commits("CutCopy", "[B][C[B]]", R(Rule::Deiteration, 5), "[B][C]", 5),
                      refuses("Siblings", "AA", R(Rule::Deiteration, 2), messages::kDeiteration),
                      refuses("OriginalDeeper", "[A]A", R(Rule::Deiteration, 3), messages::kDeiteration),
                      refuses("NoOtherOccurrence", "A[B]", R(Rule::Deiteration, 3), messages::kDeiteration),
                      refuses("OrderMatters", "[AB][C[BA]]", R(Rule::Deiteration, 5), messages::kDeiteration),
                      // The same depth elsewhere is no original: ¬A∧¬A does not give ¬A∧¬⊤.
                      refuses("OriginalInAnotherCut", "[A][A]", R(Rule::Deiteration, 4),
                              messages::kDeiteration),
                      // The sibling does not decide when an enclosing original stands further on.
                      commits("SiblingThenEnclosingOriginal", "[AA]A", R(Rule::Deiteration, 3), "[A]A", 3),
                      refuses("Sheet", "AA", R(Rule::Deiteration, 0), messages::kDeiterationOnSheet)),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    DoubleCut, Rules,
    ::testing::Values(commits("AroundLetter", "A", R(Rule::DoubleCut, 1), "[[A]]", 1),
                      commits("RemovesDoubleCut", "[[A]]", R(Rule::DoubleCut, 1), "A", 1),
                      commits("OnSheet", "AB", R(Rule::DoubleCut, 0), "[[]]AB", 0),
                      commits("AroundCut", "[A]", R(Rule::DoubleCut, 1), "[[[A]]]", 1, std::nullopt,
                              DoubleCutPosition::Around),
                      commits("InsideCut", "[A]", R(Rule::DoubleCut, 1), "[[[]]A]", 1, std::nullopt,
                              DoubleCutPosition::Inside),
                      commits("InsideCutWithTwoChildren", "[[A]B]", R(Rule::DoubleCut, 1), "[[[]][A]B]", 1,
                              std::nullopt, DoubleCutPosition::Inside),
                      commits("RemovesNestedDoubleCut", "C[[[A]B]]", R(Rule::DoubleCut, 2), "C[A]B", 2)),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RuleCommit, TellsTheWorkbenchInOrder) {
    RecordingWorkbench workbench;
    auto exercise = test::exerciseAt("[A]B", workbench);
    ASSERT_EQ(requestRule(*exercise, R(Rule::Erasure, 3)), RuleOutcome::Committed);
    EXPECT_EQ(workbench.calls,
              (std::vector<std::string>{"OpenWindow Paso 01", "RepaintView Paso 01", "OpenWindow Paso 02",
                                        "RepaintView Paso 02", "AddNavigatorStep Paso 02 1"}));
}

TEST(RuleCommit, LockedStepIsRefusedWithItsMessage) {
    RecordingWorkbench workbench;
    auto exercise = test::exerciseAt("A", workbench);
    exercise->lastStep()->SetAppliedRule(Rule::Erasure);
    EXPECT_EQ(requestRule(*exercise, R(Rule::DoubleCut, 1)), RuleOutcome::Refused);
    EXPECT_EQ(workbench.refusals, std::vector<std::string>{messages::kLockedStep});
    EXPECT_EQ(exercise->GetSteps().size(), 1u);
}

TEST(RuleCommit, CancelledInsertionChangesNothingAndKeepsTheRulePending) {
    RecordingWorkbench workbench;
    auto exercise = test::exerciseAt("[A]", workbench);
    EXPECT_EQ(requestRule(*exercise, R(Rule::Insertion, 1)), RuleOutcome::Cancelled);
    workbench.formulaToInsert = test::formulaBytes("B&");
    EXPECT_EQ(requestRule(*exercise, R(Rule::Insertion, 1)), RuleOutcome::Cancelled);
    EXPECT_EQ(exercise->GetWorking(), "[A]");
    EXPECT_EQ(exercise->GetSteps().size(), 1u);
    EXPECT_EQ(exercise->lastStep()->GetPendingRule(), Rule::Insertion);
    EXPECT_TRUE(workbench.refusals.empty());
}

TEST(RuleCommit, SelectionsOutsideTheLastStepApplyNothing) {
    RecordingWorkbench workbench;
    auto exercise = test::exerciseAt("A", workbench);
    EXPECT_EQ(requestRule(*exercise, R(Rule::Erasure, 7)), RuleOutcome::NotApplied);
    EXPECT_EQ(requestRule(*exercise, R(Rule::Iteration, 1)), RuleOutcome::NotApplied);
    exercise->lastStep()->SetPendingRule(Rule::Erasure);
    exercise->lastStep()->SetSelectedElement(nullptr);
    EXPECT_EQ(exercise->ApplyRule(), RuleOutcome::NotApplied);
    // A letter of another diagram, in an odd area: its parity must not even be looked at.
    COsmiraDoc other;
    BuildDiagram(other, defaultAppearances(), "[A]");
    for (Rule rule : kEveryRule) {
        exercise->lastStep()->SetPendingRule(rule);
        exercise->lastStep()->SetSelectedElement(other.GetElements()[2].get());
        exercise->lastStep()->SetIterationSource(exercise->lastStep()->GetElements()[1].get());
        EXPECT_EQ(exercise->ApplyRule(), RuleOutcome::NotApplied) << "rule " << static_cast<int>(rule);
    }
    exercise->lastStep()->SetPendingRule(Rule::Iteration);
    exercise->lastStep()->SetSelectedElement(exercise->lastStep()->GetElements()[0].get());
    exercise->lastStep()->SetIterationSource(other.GetElements()[1].get());
    EXPECT_EQ(exercise->ApplyRule(), RuleOutcome::NotApplied);
    EXPECT_TRUE(workbench.refusals.empty());
    exercise->lastStep()->SetPendingRule(static_cast<Rule>(9));
    exercise->lastStep()->SetSelectedElement(exercise->lastStep()->GetElements()[1].get());
    EXPECT_EQ(exercise->ApplyRule(), RuleOutcome::NotApplied);
    EXPECT_EQ(exercise->GetSteps().size(), 1u);
}

struct GrowthCase {
    const char* name;
    const char* diagram; // what is laid out; W is it padded with letters to the limit
    RuleRequest request;
};

void PrintTo(const GrowthCase& c, std::ostream* os) {
    *os << c.name;
}

class RuleGrowth : public ::testing::TestWithParam<GrowthCase> {};

// A diagram longer than the limit could not be saved nor read back. The padding lies behind
// every laid-out element, so locating them is unchanged and no million elements are made.
TEST_P(RuleGrowth, PastTheLongestBracketFormIsRefused) {
    RecordingWorkbench workbench;
    workbench.formulaToInsert = "A";
    workbench.doubleCutPosition = DoubleCutPosition::Around;
    auto exercise = test::exerciseAt(GetParam().diagram, workbench);
    std::string full = GetParam().diagram;
    full.resize(kLongestBracketForm, 'B');
    exercise->SetWorking(full);
    EXPECT_EQ(requestRule(*exercise, GetParam().request), RuleOutcome::Refused);
    EXPECT_EQ(workbench.refusals, std::vector<std::string>{messages::kDiagramTooLarge});
    EXPECT_EQ(exercise->GetWorking(), full);
    EXPECT_EQ(exercise->GetSteps().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Rules, RuleGrowth,
                         ::testing::Values(GrowthCase{"Insertion", "[A]", R(Rule::Insertion, 1)},
                                           GrowthCase{"Iteration", "A[]", R(Rule::Iteration, 2, 1)},
                                           GrowthCase{"DoubleCutOnTheSheet", "A", R(Rule::DoubleCut, 0)},
                                           GrowthCase{"DoubleCutOnALetter", "A", R(Rule::DoubleCut, 1)},
                                           GrowthCase{"DoubleCutInsideACut", "[A]", R(Rule::DoubleCut, 1)}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Soundness: every committed rule yields a diagram the previous one implies ----------

TEST(RuleSoundness, EveryCommittedRuleFollowsFromItsPremise) {
    std::mt19937 random(4242);
    int committed = 0;
    for (int n = 0; n < 300; ++n) {
        std::string premise = test::randomBracketForm(random, 3) + test::randomBracketForm(random, 3);
        RecordingWorkbench probe;
        std::size_t count = test::exerciseAt(premise, probe)->lastStep()->GetElements().size();
        for (Rule rule : kEveryRule) {
            for (std::size_t element = 0; element < count; ++element) {
                for (std::size_t source = 0; source < (rule == Rule::Iteration ? count : 1); ++source) {
                    RecordingWorkbench workbench;
                    workbench.formulaToInsert = "A";
                    workbench.doubleCutPosition = static_cast<DoubleCutPosition>(element % 2);
                    auto exercise = test::exerciseAt(premise, workbench);
                    if (requestRule(*exercise, R(rule, element, source)) != RuleOutcome::Committed) {
                        continue;
                    }
                    ++committed;
                    ASSERT_TRUE(test::bracketImplies(premise, exercise->GetWorking(), 3))
                        << "rule " << static_cast<int>(rule) << " on " << element << " (source " << source
                        << "): " << premise << " gave " << exercise->GetWorking();
                }
            }
        }
    }
    EXPECT_GT(committed, 3000);
}

TEST(Locate, FindsEachElementsOpeningCharacter) {
    RecordingWorkbench workbench;
    auto exercise = test::exerciseAt("[A[B]]C", workbench);
    const COsmiraDoc& diagram = *exercise->lastStep();
    std::vector<std::size_t> at;
    for (size_t i = 1; i < diagram.GetElements().size(); ++i) {
        at.push_back(Locate(diagram, "[A[B]]C", *diagram.GetElements()[i])->at);
    }
    EXPECT_EQ(at, (std::vector<std::size_t>{0, 1, 2, 3, 6}));
    EXPECT_FALSE(Locate(diagram, "[A", *diagram.GetElements()[5]));
}

} // namespace
