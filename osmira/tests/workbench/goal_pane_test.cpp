// "Ver objetivo": the exercise's conclusion drawn in the goal's pane as a step window draws it.
#include "goal_pane.h"
#include "opened_exercise.h"

#include "osmira/model/drawing.h"

#include <QAccessible>
#include <QAction>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace osmira::workbench {
namespace {

struct GoalCase {
    const char* name;
    std::vector<std::string> hypotheses;
    std::string conclusion;
    const char* drawn; // the bracket form the pane draws; none without a conclusion
};

void PrintTo(const GoalCase& c, std::ostream* os) {
    *os << c.name;
}

class VerObjetivo : public ::testing::TestWithParam<GoalCase> {};

TEST_P(VerObjetivo, DrawsTheConclusionAsAStepWindowWould) {
    const GoalCase& c = GetParam();
    test::OpenedExercise opened(c.hypotheses, c.conclusion);
    CMainFrame& frame = opened.app.mainFrame();
    QAction& command = *frame.action(Command::VerObjetivo);

    EXPECT_EQ(command.isEnabled(), c.drawn != nullptr);
    command.trigger();

    const GoalPane& pane = frame.goalPane();
    if (c.drawn == nullptr) {
        EXPECT_TRUE(pane.isHidden());
        EXPECT_EQ(pane.view(), nullptr);
        return;
    }
    EXPECT_FALSE(pane.isHidden());
    ASSERT_NE(pane.view(), nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(pane.view())->text(QAccessible::Name),
              QStringLiteral("Diagrama final"));
    DrawingRecorder drawn;
    pane.view()->drawDiagram(drawn);
    RecordingWorkbench recorder;
    const auto conclusion = osmira::test::exerciseAt(c.drawn, recorder);
    EXPECT_EQ(drawn.takeShapes(), stepDrawing(*conclusion->lastStep()).shapes);
}

INSTANTIATE_TEST_SUITE_P(
    GoalPane, VerObjetivo,
    ::testing::Values(GoalCase{"TheConclusionNotTheHypotheses", {"B"}, "B|C", "[[B][C]]"},
                      GoalCase{"NoConclusionNoGoal", {"A"}, "", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace osmira::workbench
