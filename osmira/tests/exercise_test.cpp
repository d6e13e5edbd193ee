// Creating an exercise, numbering its steps, recolouring, removing later steps and
// recognising the final diagram.

#include "test_support.h"

#include "osmira/model/element_list.h"
#include "osmira/rules/rule_request.h"
#include "osmira/texts/messages.h"

#include <gtest/gtest.h>

using namespace osmira;

namespace {

std::vector<Rect> rects(const COsmiraDoc& diagram) {
    std::vector<Rect> rects;
    for (const auto& element : diagram.GetElements()) {
        rects.push_back(element->GetGraphic()->GetRect());
    }
    return rects;
}

TEST(CreateExercise, HypothesesBecomeTheFirstStepAndTheConclusionTheFinalDiagram) {
    RecordingWorkbench workbench;
    auto exercise = test::newExercise({"A", "A>B"}, "B", workbench);
    EXPECT_EQ(exercise->GetHypotheses(), "A[A[B]]");
    EXPECT_EQ(exercise->GetConclusion(), "B");
    EXPECT_EQ(exercise->GetWorking(), "A[A[B]]");
    ASSERT_EQ(exercise->GetSteps().size(), 1u);
    const COsmiraDoc& first = *exercise->lastStep();
    EXPECT_EQ(bracketFormOf(first), "A[A[B]]");
    EXPECT_EQ(first.GetTitle(), "Paso 01");
    EXPECT_EQ(first.GetComment(), messages::kFirstStepComment);
    EXPECT_EQ(first.GetAppliedRule(), Rule::None);
    ASSERT_NE(exercise->GetFinalDiagram(), nullptr);
    EXPECT_EQ(bracketFormOf(*exercise->GetFinalDiagram()), "B");
    EXPECT_EQ(exercise->GetFinalDiagram()->GetComment(), messages::kFinalDiagramComment);
    EXPECT_EQ(workbench.calls, (std::vector<std::string>{"OpenWindow Paso 01", "OpenNavigator  Paso 01"}));
}

// A theorem (no hypotheses) and an exercise without a conclusion (its hypotheses are the theorem)
// both start from the empty sheet.
TEST(CreateExercise, FromTheEmptySheetTheFinalDiagramIsTheTheorem) {
    struct Case {
        std::vector<std::string> hypotheses;
        std::string conclusion;
        std::string hypothesesForm, conclusionForm;
    };
    for (const Case& c :
         {Case{{"A|~A"}, "", "[[A][[A]]]", ""}, Case{{}, "((P>Q)>P)>P", "", "[[[P[Q]][P]][P]]"}}) {
        SCOPED_TRACE(c.hypothesesForm + " / " + c.conclusionForm);
        RecordingWorkbench workbench;
        auto exercise = test::newExercise(c.hypotheses, c.conclusion, workbench);
        EXPECT_EQ(exercise->GetHypotheses(), c.hypothesesForm);
        EXPECT_EQ(exercise->GetConclusion(), c.conclusionForm);
        EXPECT_EQ(exercise->GetWorking(), "");
        ASSERT_EQ(exercise->GetSteps().size(), 1u);
        const COsmiraDoc& first = *exercise->lastStep();
        EXPECT_EQ(rects(first), (std::vector<Rect>{{50, 50, 150, 150}}));
        EXPECT_EQ(first.GetElements()[0]->kind(), ElementKind::Sheet);
        EXPECT_EQ(bracketFormOf(*exercise->GetFinalDiagram()), c.hypothesesForm + c.conclusionForm);
        EXPECT_FALSE(exercise->goalReached());
    }
}

TEST(CreateExercise, StartsWithDefaultBlocksAndReservedZero) {
    RecordingWorkbench workbench;
    CEjercicio exercise;
    exercise.SetReserved(7);
    exercise.SetColors(1, 2, 3, 4);
    exercise.SetHypotheses("A");
    exercise.attachWorkbench(workbench);
    exercise.CreateExercise();
    EXPECT_EQ(exercise.GetReserved(), 0);
    EXPECT_EQ(exercise.GetAppearances(), defaultAppearances());
}

TEST(CreateExercise, NeverConvertsAFormulaTheDialogsRefuse) {
    RecordingWorkbench workbench;
    std::string tooDeep = std::string(21, '(') + "A" + std::string(21, ')');
    for (auto [hypotheses, conclusion] :
         std::vector<std::pair<std::string, std::string>>{{"", ""},
                                                          {"", tooDeep},
                                                          {"(" + tooDeep + ")", ""},
                                                          {"(A)", tooDeep},
                                                          {"(A)", test::formulaBytes("B&")}}) {
        CEjercicio exercise;
        exercise.SetHypotheses(hypotheses);
        exercise.SetConclusion(conclusion);
        exercise.attachWorkbench(workbench);
        EXPECT_FALSE(exercise.CreateExercise()) << hypotheses << " / " << conclusion;
        EXPECT_EQ(exercise.GetHypotheses(), hypotheses);
        EXPECT_TRUE(exercise.GetSteps().empty());
    }
    EXPECT_TRUE(workbench.calls.empty());
}

TEST(StepTitles, AreZeroPaddedBelowTen) {
    EXPECT_EQ(stepTitle(1), "Paso 01");
    EXPECT_EQ(stepTitle(9), "Paso 09");
    EXPECT_EQ(stepTitle(10), "Paso 10");
    EXPECT_EQ(stepTitle(100), "Paso 100");
}

// A[A[B]]: deiterate the inner A, remove the double cut, erase A — reaches B.
void deriveConclusion(CEjercicio& exercise) {
    ASSERT_EQ(requestRule(exercise, {Rule::Deiteration, 3, std::nullopt}), RuleOutcome::Committed);
    ASSERT_EQ(requestRule(exercise, {Rule::DoubleCut, 2, std::nullopt}), RuleOutcome::Committed);
    ASSERT_EQ(requestRule(exercise, {Rule::Erasure, 1, std::nullopt}), RuleOutcome::Committed);
}

TEST(Steps, OnlyTheLastStepIsOpenAfterThreeRules) {
    RecordingWorkbench workbench;
    auto exercise = test::newExercise({"A", "A>B"}, "B", workbench);
    deriveConclusion(*exercise);
    std::vector<std::pair<std::string, Rule>> steps;
    for (const auto& step : exercise->GetSteps()) {
        steps.emplace_back(step->GetTitle(), step->GetAppliedRule());
    }
    EXPECT_EQ(steps, (std::vector<std::pair<std::string, Rule>>{{"Paso 01", Rule::Deiteration},
                                                                {"Paso 02", Rule::DoubleCut},
                                                                {"Paso 03", Rule::Erasure},
                                                                {"Paso 04", Rule::None}}));
    EXPECT_EQ(exercise->GetWorking(), "B");
}

// The reader refuses an exercise past these limits, so a rule must never make one: the student
// could save it and never open it again.
TEST(Steps, AnExerciseHoldsNoStepBeyondWhatAFileCanBeReadWith) {
    RecordingWorkbench workbench;
    auto exercise = test::newExercise({"A"}, "A", workbench);
    const auto held =
        static_cast<std::size_t>(kMostExerciseElements) - exercise->GetSteps().front()->GetElements().size();
    EXPECT_TRUE(exercise->canHoldAnotherStep(held));
    EXPECT_FALSE(exercise->canHoldAnotherStep(held + 1));
    while (exercise->GetSteps().size() < static_cast<std::size_t>(kMostSteps)) {
        exercise->AppendStep();
    }
    EXPECT_FALSE(exercise->canHoldAnotherStep(1));

    // The rule is refused and W stays as it was.
    const std::string working = exercise->GetWorking();
    COsmiraDoc& last = *exercise->lastStep();
    exercise->BuildDiagram(last);
    EXPECT_EQ(requestRule(*exercise, {Rule::DoubleCut, 1, std::nullopt}), RuleOutcome::Refused);
    EXPECT_EQ(exercise->GetWorking(), working);
    EXPECT_EQ(exercise->GetSteps().size(), static_cast<std::size_t>(kMostSteps));
    EXPECT_EQ(workbench.refusals.back(), messages::kExerciseFull);
}

TEST(Goal, IsReachedWhenTheLastStepShowsTheFinalDiagram) {
    RecordingWorkbench workbench;
    auto exercise = test::newExercise({"A", "A>B"}, "B", workbench);
    EXPECT_FALSE(exercise->goalReached());
    deriveConclusion(*exercise);
    EXPECT_TRUE(exercise->goalReached());
}

TEST(Goal, IgnoresTheOrderOfJuxtaposedGraphs) {
    RecordingWorkbench workbench;
    EXPECT_TRUE(test::newExercise({"A&B"}, "B&A", workbench)->goalReached());
    EXPECT_TRUE(test::newExercise({"A>B"}, "~(~B&A)", workbench)->goalReached());
    EXPECT_FALSE(test::newExercise({"A>B"}, "B>A", workbench)->goalReached());
}

TEST(Colours, RecolourEveryStepButNotTheFinalDiagram) {
    RecordingWorkbench workbench;
    auto exercise = test::newExercise({"A", "A>B"}, "B", workbench);
    deriveConclusion(*exercise);
    exercise->SetColors(0x0000FF, 0x00FF00, 0xFF0000, 0x123456);
    exercise->recolorSteps();
    for (const auto& step : exercise->GetSteps()) {
        for (const auto& element : step->GetElements()) {
            ElementAppearance a = element->GetGraphic()->GetAppearance();
            EXPECT_EQ(a.penColor, 0x0000FFu);
            EXPECT_EQ(a.fillColor, 0x00FF00u);
            EXPECT_EQ(a.markedFillColor, 0xFF0000u);
            EXPECT_EQ(a.textColor, element->kind() == ElementKind::Letter ? 0x123456u : 0u);
        }
    }
    for (const auto& element : exercise->GetFinalDiagram()->GetElements()) {
        EXPECT_EQ(element->GetGraphic()->GetAppearance().fillColor, kDefaultFillColour);
    }
}

TEST(RemoveSteps, TheChosenStepBecomesLastAndOpenWithItsBracketForm) {
    RecordingWorkbench workbench;
    auto exercise = test::newExercise({"A", "A>B"}, "B", workbench);
    deriveConclusion(*exercise);
    workbench.calls.clear();
    ASSERT_TRUE(exercise->removeStepsAfter(1));
    EXPECT_EQ(exercise->GetSteps().size(), 2u);
    const COsmiraDoc& kept = *exercise->lastStep();
    EXPECT_EQ(kept.GetAppliedRule(), Rule::None);
    for (const auto& element : kept.GetElements()) {
        EXPECT_FALSE(element->GetGraphic()->isMarked());
    }
    EXPECT_EQ(exercise->GetWorking(), "A[[B]]");
    EXPECT_EQ(workbench.calls, (std::vector<std::string>{"RemoveNavigatorStep Paso 03", "CloseWindow Paso 03",
                                                         "RemoveNavigatorStep Paso 04", "CloseWindow Paso 04",
                                                         "RepaintView Paso 02"}));
    // Rules now work on the reopened step, and numbering continues from it.
    ASSERT_EQ(requestRule(*exercise, {Rule::Erasure, 1, std::nullopt}), RuleOutcome::Committed);
    EXPECT_EQ(exercise->GetWorking(), "[[B]]");
    EXPECT_EQ(exercise->lastStep()->GetTitle(), "Paso 03");
    EXPECT_FALSE(exercise->removeStepsAfter(3));
}

TEST(RemoveSteps, KeepingOnlyTheFirstStepOfAnExerciseWithoutConclusion) {
    RecordingWorkbench workbench;
    auto exercise = test::newExercise({"A"}, "", workbench);
    ASSERT_EQ(requestRule(*exercise, {Rule::DoubleCut, 0, std::nullopt}), RuleOutcome::Committed);
    EXPECT_EQ(exercise->GetWorking(), "[[]]");
    ASSERT_TRUE(exercise->removeStepsAfter(0));
    EXPECT_EQ(exercise->GetWorking(), "");
    EXPECT_FALSE(exercise->lastStep()->GetElements()[0]->GetGraphic()->isMarked());
}

} // namespace
