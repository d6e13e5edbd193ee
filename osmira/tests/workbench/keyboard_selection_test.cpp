// Selecting with the keyboard: Tab, Shift+Tab, Inicio and the arrows move the selection as a
// click would set it, and an iteration's place is taken with Intro, its source marked as a click
// marks it.
#include "step_view.h"

#include "osmira/model/element_list.h"

#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace osmira::workbench {
namespace {

using test::StepView;

using Key = std::pair<Qt::Key, Qt::KeyboardModifiers>;
const Key kTab{Qt::Key_Tab, Qt::NoModifier};
const Key kShiftTab{Qt::Key_Backtab, Qt::ShiftModifier};
const Key kHome{Qt::Key_Home, Qt::NoModifier};
const Key kUp{Qt::Key_Up, Qt::NoModifier};
const Key kDown{Qt::Key_Down, Qt::NoModifier};
const Key kLeft{Qt::Key_Left, Qt::NoModifier};
const Key kRight{Qt::Key_Right, Qt::NoModifier};

struct KeysCase {
    const char* name;
    std::vector<Key> keys;
    int selected; // in [A[B]]C: 0 the sheet, 1 the outer cut, 2 A, 3 the inner cut, 4 B, 5 C
};

void PrintTo(const KeysCase& c, std::ostream* os) {
    *os << c.name;
}

class KeyboardSelection : public ::testing::TestWithParam<KeysCase> {};

TEST_P(KeyboardSelection, KeysMoveTheSelectionThroughTheDiagram) {
    StepView window("[A[B]]C");
    for (const auto& [key, modifiers] : GetParam().keys) {
        QTest::keyClick(&window.view(), key, modifiers);
    }
    EXPECT_EQ(window.selectedIndex(), GetParam().selected);
    EXPECT_TRUE(window.host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    StepView, KeyboardSelection,
    ::testing::Values(KeysCase{"TabStartsAtTheFirstGraph", {kTab}, 1},
                      KeysCase{"TabFollowsTheDrawingOrder", {kTab, kTab, kTab}, 3},
                      KeysCase{"ShiftTabStartsAtTheLastElement", {kShiftTab}, 5},
                      KeysCase{"TabGoesRoundToTheSheet", {kShiftTab, kTab}, 0},
                      KeysCase{"ShiftTabGoesBack", {kTab, kTab, kShiftTab}, 1},
                      KeysCase{"InicioSelectsTheSheet", {kTab, kTab, kHome}, 0},
                      KeysCase{"UpGoesToTheEnclosingCut", {kTab, kTab, kTab, kTab, kUp}, 3},
                      KeysCase{"UpFromAGraphOnTheSheet", {kTab, kUp}, 0},
                      KeysCase{"UpOnTheSheetStays", {kHome, kUp}, 0},
                      KeysCase{"DownGoesIntoACut", {kTab, kDown}, 2},
                      KeysCase{"DownFromTheSheet", {kHome, kDown}, 1},
                      KeysCase{"DownOnALetterStays", {kTab, kTab, kDown}, 2},
                      KeysCase{"RightGoesToTheNextGraphOfTheArea", {kTab, kTab, kRight}, 3},
                      KeysCase{"RightAtTheEndOfTheAreaStays", {kShiftTab, kRight}, 5},
                      KeysCase{"LeftGoesBackInTheArea", {kShiftTab, kLeft}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KeyboardIteration, TheCommandTakesTheSelectionAndIntroThePlace) {
    StepView window("A[B]");
    QTest::keyClick(&window.view(), Qt::Key_Tab);
    window.frame->ruleCommand(Rule::Iteration);
    QTest::keyClick(&window.view(), Qt::Key_Tab);
    ASSERT_EQ(window.selectedIndex(), 2);

    QTest::keyClick(&window.view(), Qt::Key_Return);

    ASSERT_EQ(window.exercise->GetSteps().size(), 2U);
    EXPECT_EQ(bracketFormOf(*window.exercise->lastStep()), "A[AB]");
    EXPECT_EQ(window.step().GetAppliedRule(), Rule::Iteration);
    // The locked step marks the graph copied, as after the place's click.
    std::vector<int> marked;
    for (const auto& element : window.step().GetElements()) {
        if (element->GetGraphic()->isMarked()) {
            marked.push_back(window.step().indexOf(element.get()));
        }
    }
    EXPECT_EQ(marked, std::vector<int>{1});
}

TEST(KeyboardSelectionRefused, OnALockedStepTheKeysSayWhyAsAClickDoes) {
    StepView window("A");
    window.step().SetAppliedRule(Rule::Erasure);
    QTest::keyClick(&window.view(), Qt::Key_Tab);
    EXPECT_EQ(window.selectedIndex(), -1);
    ASSERT_EQ(window.host.messages.size(), 1U);
    EXPECT_TRUE(window.host.messages.front().text.startsWith(QStringLiteral("No puede seleccionar")));
}

} // namespace
} // namespace osmira::workbench
