// The step window: selection by clicks, the rule commands, the iteration's two clicks, the
// messages of locked steps and the window's life around its step.

#include "child_frame.h"
#include "fake_host.h"
#include "osmira_view.h"

#include "osmira/model/ejercicio.h"
#include "osmira/model/element_list.h"
#include "osmira/texts/messages.h"

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QMdiArea>
#include <QPixmap>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace osmira {

// A rule prints as its number in the listings of the cases.
void PrintTo(Rule rule, std::ostream* out) {
    *out << "R" << static_cast<int>(rule);
}

} // namespace osmira

namespace osmira::workbench {
namespace {

using test::FakeHost;

// The texts the student sees, written out here so that a changed byte in the code shows.
const QString kCaption = QStringLiteral("Osmira");
const QString kLockedRule =
    QStringLiteral("No puede aplicar una nueva regla sobre el diagrama. Si quiere "
                   "aplicar una nueva regla elimine los diagramas consecutivos a este");
const QString kLockedClick =
    QStringLiteral("No puede seleccionar ningun elemento del diagrama. Si quiere quiere realizar alguna "
                   "acción sobre el diagrama elimine los diagramas consecutivos a este");
const QString kNoSelection = QStringLiteral("Debe seleccionar un elemento del diagrama");
const QString kChoosePuntero =
    QStringLiteral("Seleccione el botón 'Puntero' para marcar una parte del Diagrama");
const QString kIterationPrompt =
    QStringLiteral("Seleccione el lugar donde desea 'Iterar' el elemento que acaba de seleccionar");

constexpr Rule kEveryRule[] = {Rule::Erasure, Rule::Insertion, Rule::Iteration, Rule::Deiteration,
                               Rule::DoubleCut};

std::string ruleName(Rule rule) {
    static const std::map<Rule, std::string> names = {{Rule::None, "Puntero"},   {Rule::Erasure, "R1"},
                                                      {Rule::Insertion, "R2"},   {Rule::Iteration, "R3"},
                                                      {Rule::Deiteration, "R4"}, {Rule::DoubleCut, "R5"}};
    return names.at(rule);
}

// Answers the rules' questions; window operations go to optional callbacks.
class AnsweringWorkbench : public WorkbenchOperations {
  public:
    void OpenWindow(COsmiraDoc& step) override {
        if (onOpen) {
            onOpen(step);
        }
    }
    void closeWindow(COsmiraDoc& step) override {
        if (onClose) {
            onClose(step);
        }
    }
    void repaintView(COsmiraDoc&) override {}
    void openNavigator(CEjercicio&, COsmiraDoc&) override {}
    void addNavigatorStep(COsmiraDoc&, Rule) override {}
    void removeNavigatorStep(COsmiraDoc&) override {}
    void rebuildNavigator(CEjercicio&) override {}
    std::optional<std::string> askFormulaToInsert() override { return formulaToInsert; }
    DoubleCutPosition askDoubleCutPosition() override { return DoubleCutPosition::Inside; }
    void showRefusal(const std::string& message) override { refusals.push_back(message); }

    std::optional<std::string> formulaToInsert;
    std::vector<std::string> refusals;
    std::function<void(COsmiraDoc&)> onOpen;
    std::function<void(COsmiraDoc&)> onClose;
};

void expectMessages(const FakeHost& host, const std::vector<std::pair<QString, MessageIcon>>& expected) {
    ASSERT_EQ(host.messages.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(host.messages[i].text, expected[i].first) << "message " << i;
        EXPECT_EQ(host.messages[i].caption, kCaption) << "message " << i;
        EXPECT_EQ(host.messages[i].icon, expected[i].second) << "message " << i;
    }
}

class StepWindow : public ::testing::Test {
  protected:
    StepWindow() {
        exercise.attachWorkbench(workbench);
        area.resize(900, 700);
        area.show();
    }

    // An exercise whose one step is laid out from `bracket`, with its window open.
    CChildFrame& openAt(const std::string& bracket) {
        exercise.SetWorking(bracket);
        COsmiraDoc& step = exercise.AppendStep();
        exercise.BuildDiagram(step);
        return openWindow(step);
    }

    CChildFrame& openWindow(COsmiraDoc& step) {
        auto* frame = new CChildFrame(step, host);
        area.addSubWindow(frame);
        frame->show();
        return *frame;
    }

    COsmiraDoc& step(std::size_t index) const { return *exercise.GetSteps().at(index); }
    CElemento* element(std::size_t index) const { return step(0).GetElements().at(index).get(); }
    int selectedIndex() const { return step(0).indexOf(step(0).GetSelectedElement()); }

    static void click(CChildFrame& frame, QPoint windowPoint) {
        QTest::mouseClick(frame.view()->viewport(), Qt::LeftButton, {}, windowPoint);
    }

    FakeHost host;
    AnsweringWorkbench workbench;
    CEjercicio exercise;
    QMdiArea area; // destroyed first, with every window
};

// Places of [A[B]] (sheet (50,50)-(230,188), outer cut (70,70)-(210,168), A (90,110)-(110,128),
// inner cut (130,90)-(190,148), B (150,110)-(170,128)), as logical points.
constexpr QPoint kOnB{160, 119};
constexpr QPoint kOnInnerCutBesideB{136, 119};
constexpr QPoint kOnA{100, 119};
constexpr QPoint kOnOuterCutBesideA{80, 119};
constexpr QPoint kOnSheetCorner{55, 55};
constexpr QPoint kOnNothing{1000, 1000};

struct ClickCase {
    const char* name;
    std::optional<QPoint> before; // an earlier click, unscrolled
    QPoint scroll;
    QPoint logical; // the point clicked, in logical units
    int selected;   // index of the selected element afterwards, -1 for none
};

void PrintTo(const ClickCase& c, std::ostream* os) {
    *os << c.name;
}

class ClickSelection : public StepWindow, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(ClickSelection, SelectsTheInnermostElementUnderThePointer) {
    const ClickCase& c = GetParam();
    CChildFrame& frame = openAt("[A[B]]");
    if (c.before) {
        click(frame, *c.before);
    }
    frame.view()->horizontalScrollBar()->setValue(c.scroll.x());
    frame.view()->verticalScrollBar()->setValue(c.scroll.y());
    ASSERT_EQ(frame.view()->toLogical({0, 0}), c.scroll);

    click(frame, c.logical - c.scroll);

    EXPECT_EQ(selectedIndex(), c.selected);
    EXPECT_TRUE(host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    StepWindow, ClickSelection,
    ::testing::Values(ClickCase{"LetterInsideTwoCuts", {}, {}, kOnB, 4},
                      ClickCase{"InnerCutBesideItsLetter", {}, {}, kOnInnerCutBesideB, 3},
                      ClickCase{"LetterInOuterCut", {}, {}, kOnA, 2},
                      ClickCase{"OuterCutBesideItsLetter", {}, {}, kOnOuterCutBesideA, 1},
                      ClickCase{"SheetOutsideEveryCut", {}, {}, kOnSheetCorner, 0},
                      ClickCase{"NothingHitKeepsTheSelection", kOnA, {}, kOnNothing, 2},
                      ClickCase{"NothingHitWithoutSelection", {}, {}, kOnNothing, -1},
                      // Unscrolled, the window point (60,59) would be the sheet.
                      ClickCase{"ScrolledViewHitsTheLogicalPoint", {}, {100, 60}, kOnB, 4},
                      ClickCase{"ScrolledViewReselects", kOnA, {40, 30}, kOnInnerCutBesideB, 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StepWindow, SelectionStaysHighlightedInEveryPaint) {
    CChildFrame& frame = openAt("[A[B]]");
    const QPoint scroll{40, 30};
    frame.view()->horizontalScrollBar()->setValue(scroll.x());
    frame.view()->verticalScrollBar()->setValue(scroll.y());
    click(frame, kOnB - scroll);

    // A full repaint, as after the window was covered: the corners of the letter boxes.
    const QImage picture = frame.view()->viewport()->grab().toImage();
    EXPECT_EQ(picture.pixelColor(QPoint{151, 111} - scroll), QColor(150, 200, 200)); // B, selected
    EXPECT_EQ(picture.pixelColor(QPoint{91, 111} - scroll), QColor(216, 216, 216));  // A
}

// Each paint draws only what reaches the rectangle it exposes; pieces painted one by one, scrolled
// and with a selection, make the same pixels as the whole window painted at once.
TEST_F(StepWindow, PaintingInPiecesDrawsTheSamePixels) {
    CChildFrame& frame = openAt("[A[B]C[[D]E]]F[G[H[I]]]");
    const QPoint scroll{35, 25};
    frame.view()->horizontalScrollBar()->setValue(scroll.x());
    frame.view()->verticalScrollBar()->setValue(scroll.y());
    click(frame, kOnB - scroll);
    QWidget& viewport = *frame.view()->viewport();
    const QImage whole = viewport.grab().toImage();

    QImage pieces(whole.size(), whole.format());
    pieces.fill(Qt::black);
    const QSize piece{37, 23};
    for (int y = 0; y < viewport.height(); y += piece.height()) {
        for (int x = 0; x < viewport.width(); x += piece.width()) {
            viewport.render(&pieces, {x, y}, QRegion(QRect({x, y}, piece)));
        }
    }

    EXPECT_EQ(pieces, whole);
}

// The page was once fixed at 4200 × 2970: the letters of a longer hypothesis lay past its edge,
// out of reach of the scroll bars and of the mouse.
TEST_F(StepWindow, EveryElementOfAWideDiagramCanBeScrolledToAndSelected) {
    CChildFrame& frame = openAt(std::string(300, 'A'));
    const std::size_t last = step(0).GetElements().size() - 1;
    const Rect letter = element(last)->GetGraphic()->GetRect();
    ASSERT_GT(letter.right, COsmiraView::kPageExtent.width());
    QScrollBar& across = *frame.view()->horizontalScrollBar();
    across.setValue(across.maximum());
    const QPoint scroll(across.value(), frame.view()->verticalScrollBar()->value());
    click(frame, QPoint((letter.left + letter.right) / 2, (letter.top + letter.bottom) / 2) - scroll);
    EXPECT_EQ(selectedIndex(), static_cast<int>(last));
}

TEST_F(StepWindow, OpeningAWindowStartsAtThePointerWithNoSelection) {
    CChildFrame& first = openAt("[A[B]]");
    click(first, kOnB);
    step(0).SetIterationSource(element(2));
    step(0).SetPendingRule(Rule::Iteration);
    QSignalSpy closed(&first, &CChildFrame::closedByUser);
    first.close();
    ASSERT_EQ(closed.count(), 1);
    EXPECT_EQ(closed.at(0).at(0).value<COsmiraDoc*>(), &step(0));
    EXPECT_EQ(first.document(), nullptr);

    CChildFrame& reopened = openWindow(step(0));

    EXPECT_EQ(reopened.objectName(), "CChildFrame");
    EXPECT_EQ(reopened.view()->objectName(), "COsmiraView");
    EXPECT_EQ(reopened.windowTitle(), "Paso 01");
    EXPECT_EQ(reopened.document(), &step(0));
    EXPECT_EQ(reopened.view()->document(), &step(0));
    EXPECT_TRUE(reopened.punteroChecked());
    EXPECT_EQ(step(0).GetPendingRule(), Rule::None);
    EXPECT_EQ(step(0).GetSelectedElement(), nullptr);
    EXPECT_EQ(step(0).GetIterationSource(), nullptr);
    EXPECT_EQ(reopened.sizeHint(), QSize(640, 420));
    // The whole logical page can be scrolled into view.
    QScrollBar* horizontal = reopened.view()->horizontalScrollBar();
    EXPECT_EQ(horizontal->maximum() + reopened.view()->viewport()->width(), 4200);
    EXPECT_EQ(horizontal->pageStep(), 2100);
    EXPECT_EQ(reopened.view()->verticalScrollBar()->singleStep(), 297);
}

struct CommandCase {
    const char* name;
    const char* bracket;
    Rule rule;
    int selected;
    std::optional<std::string> formula; // the insertion dialog's answer
    std::optional<std::string> result;  // the new step's bracket form; none when refused
};

void PrintTo(const CommandCase& c, std::ostream* os) {
    *os << c.name;
}

class RuleCommands : public StepWindow, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(RuleCommands, CommitANewStepOrRefuse) {
    const CommandCase& c = GetParam();
    workbench.formulaToInsert = c.formula;
    CChildFrame& frame = openAt(c.bracket);
    step(0).SetSelectedElement(element(static_cast<std::size_t>(c.selected)));
    QSignalSpy committed(&frame, &CChildFrame::ruleCommitted);

    frame.ruleCommand(c.rule);

    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(frame.punteroChecked());
    if (!c.result) {
        EXPECT_EQ(committed.count(), 0);
        EXPECT_EQ(exercise.GetSteps().size(), 1u);
        EXPECT_EQ(workbench.refusals.size(), 1u);
        EXPECT_EQ(step(0).GetPendingRule(), Rule::None);
        EXPECT_EQ(step(0).GetAppliedRule(), Rule::None);
        return;
    }
    EXPECT_EQ(committed.count(), 1);
    ASSERT_EQ(exercise.GetSteps().size(), 2u);
    EXPECT_EQ(bracketFormOf(step(1)), *c.result);
    EXPECT_EQ(step(0).GetAppliedRule(), c.rule);
    EXPECT_TRUE(workbench.refusals.empty());
}

INSTANTIATE_TEST_SUITE_P(
    StepWindow, RuleCommands,
    ::testing::Values(CommandCase{"ErasureOfALetter", "[A]B", Rule::Erasure, 3, {}, "[A]"},
                      CommandCase{"InsertionIntoACut", "[A]B", Rule::Insertion, 1, "C", "[CA]B"},
                      CommandCase{"DeiterationOfTheInnerCopy", "A[AB]", Rule::Deiteration, 3, {}, "A[B]"},
                      CommandCase{"DoubleCutAroundALetter", "[A]B", Rule::DoubleCut, 3, {}, "[A][[B]]"},
                      CommandCase{"ErasureOfTheSheetIsRefused", "[A]B", Rule::Erasure, 0, {}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

class RuleWithoutSelection : public StepWindow, public ::testing::WithParamInterface<Rule> {};

TEST_P(RuleWithoutSelection, AsksForAnElementAndGoesBackToThePointer) {
    CChildFrame& frame = openAt("[A]B");
    QSignalSpy committed(&frame, &CChildFrame::ruleCommitted);

    frame.ruleCommand(GetParam());

    expectMessages(host, {{kNoSelection, MessageIcon::Exclamation}});
    EXPECT_EQ(step(0).GetPendingRule(), Rule::None);
    EXPECT_TRUE(frame.punteroChecked());
    EXPECT_EQ(committed.count(), 0);
    EXPECT_EQ(exercise.GetSteps().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(StepWindow, RuleWithoutSelection, ::testing::ValuesIn(kEveryRule),
                         [](const auto& info) { return ruleName(info.param); });

// After R1 erased B from [A]B, every action on the first step is refused with its message.
class LockedStep : public StepWindow, public ::testing::WithParamInterface<Rule> {};

TEST_P(LockedStep, RefusesEveryActionWithItsMessage) {
    CChildFrame& frame = openAt("[A]B");
    step(0).SetSelectedElement(element(3));
    frame.ruleCommand(Rule::Erasure);
    ASSERT_EQ(step(0).GetAppliedRule(), Rule::Erasure);
    QSignalSpy committed(&frame, &CChildFrame::ruleCommitted);

    if (GetParam() == Rule::None) {
        click(frame, {100, 99}); // on A
        expectMessages(host, {{kLockedClick, MessageIcon::Exclamation}});
    } else {
        frame.ruleCommand(GetParam());
        expectMessages(host, {{kLockedRule, MessageIcon::Exclamation}});
    }
    EXPECT_EQ(step(0).GetSelectedElement(), element(3));
    EXPECT_EQ(step(0).GetPendingRule(), Rule::Erasure);
    EXPECT_EQ(step(0).GetAppliedRule(), Rule::Erasure);
    EXPECT_EQ(exercise.GetSteps().size(), 2u);
    EXPECT_EQ(committed.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(StepWindow, LockedStep,
                         ::testing::Values(Rule::None, Rule::Erasure, Rule::Insertion, Rule::Iteration,
                                           Rule::Deiteration, Rule::DoubleCut),
                         [](const auto& info) {
                             return info.param == Rule::None ? std::string("Click") : ruleName(info.param);
                         });

// A[B]: sheet (50,50)-(190,148), A (70,90)-(90,108), cut (110,70)-(170,128), B (130,90)-(150,108).
struct IterationCase {
    const char* name;
    QPoint place;
    int placeIndex;
    std::optional<std::string> result; // none when refused
};

void PrintTo(const IterationCase& c, std::ostream* os) {
    *os << c.name;
}

class IterationClicks : public StepWindow, public ::testing::WithParamInterface<IterationCase> {};

TEST_P(IterationClicks, PromptThenApplyWithTheFirstSelectionAsSource) {
    const IterationCase& c = GetParam();
    CChildFrame& frame = openAt("A[B]");
    click(frame, {80, 99});
    ASSERT_EQ(selectedIndex(), 1);
    QSignalSpy committed(&frame, &CChildFrame::ruleCommitted);

    frame.ruleCommand(Rule::Iteration);

    expectMessages(host, {{kIterationPrompt, MessageIcon::None}});
    EXPECT_EQ(step(0).GetPendingRule(), Rule::Iteration);
    EXPECT_TRUE(frame.punteroChecked());
    EXPECT_EQ(exercise.GetSteps().size(), 1u);

    click(frame, c.place);

    EXPECT_EQ(step(0).GetIterationSource(), element(1));
    EXPECT_EQ(selectedIndex(), c.placeIndex);
    EXPECT_EQ(host.messages.size(), 1u);
    if (!c.result) {
        EXPECT_EQ(workbench.refusals, std::vector<std::string>{messages::kIteration});
        EXPECT_EQ(step(0).GetPendingRule(), Rule::None);
        EXPECT_EQ(committed.count(), 0);
        EXPECT_EQ(exercise.GetSteps().size(), 1u);
        return;
    }
    EXPECT_EQ(committed.count(), 1);
    ASSERT_EQ(exercise.GetSteps().size(), 2u);
    EXPECT_EQ(bracketFormOf(step(1)), *c.result);
    EXPECT_EQ(step(0).GetAppliedRule(), Rule::Iteration);
    EXPECT_TRUE(element(1)->GetGraphic()->isMarked());
}

INSTANTIATE_TEST_SUITE_P(StepWindow, IterationClicks,
                         ::testing::Values(IterationCase{"IntoTheCut", {116, 99}, 2, "A[AB]"},
                                           // The place stays the source itself, which the rule refuses.
                                           IterationCase{
                                               "OnNothingIsRefused", {1000, 1000}, 1, std::nullopt}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StepWindow, CancelledInsertionWaitsForThePointer) {
    CChildFrame& frame = openAt("[A]B");
    click(frame, {76, 99}); // the cut, beside A
    ASSERT_EQ(selectedIndex(), 1);
    QSignalSpy committed(&frame, &CChildFrame::ruleCommitted);

    frame.ruleCommand(Rule::Insertion); // the dialog is closed: no formula

    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(step(0).GetPendingRule(), Rule::Insertion);
    EXPECT_TRUE(frame.punteroChecked());

    click(frame, {160, 99}); // on B
    expectMessages(host, {{kChoosePuntero, MessageIcon::Exclamation}});
    EXPECT_EQ(selectedIndex(), 1);

    frame.puntero();
    EXPECT_EQ(step(0).GetPendingRule(), Rule::None);
    click(frame, {160, 99});
    EXPECT_EQ(selectedIndex(), 3);
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(committed.count(), 0);
    EXPECT_EQ(exercise.GetSteps().size(), 1u);
}

// The core transforms the last step whatever window asks; a window of an earlier step that is
// somehow still open must not transform the last one with that step's selection.
TEST_F(StepWindow, RuleOnAStepThatIsNotTheLastChangesNothing) {
    CChildFrame& frame = openAt("[A]B");
    COsmiraDoc& later = exercise.AppendStep();
    exercise.BuildDiagram(later);
    later.SetSelectedElement(later.GetElements().at(3).get());
    later.SetPendingRule(Rule::Erasure); // as a cancelled rule leaves it
    step(0).SetSelectedElement(element(3));

    frame.ruleCommand(Rule::Erasure);

    EXPECT_EQ(exercise.GetSteps().size(), 2u);
    EXPECT_EQ(exercise.GetWorking(), "[A]B");
    EXPECT_EQ(step(0).GetPendingRule(), Rule::None);
    EXPECT_EQ(later.GetPendingRule(), Rule::Erasure);
}

TEST_F(StepWindow, DetachedWindowClosesAndIgnoresEverything) {
    CChildFrame& frame = openAt("[A]B");
    click(frame, {160, 99});
    QSignalSpy closed(&frame, &CChildFrame::closedByUser);

    frame.detach();
    frame.ruleCommand(Rule::Erasure);
    frame.puntero();
    click(frame, {100, 99});

    EXPECT_EQ(frame.document(), nullptr);
    EXPECT_EQ(frame.view()->document(), nullptr);
    EXPECT_FALSE(frame.isVisible());
    EXPECT_EQ(closed.count(), 0);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(selectedIndex(), 3);
    EXPECT_EQ(exercise.GetSteps().size(), 1u);
}

// Windows made and closed by the workbench as the main window does: a rule opens the new step's
// window, removing the later steps closes it, and the first step works on again.
TEST_F(StepWindow, RemovingTheNewStepClosesItsWindowAndReopensTheOld) {
    std::map<COsmiraDoc*, QPointer<CChildFrame>> frames;
    workbench.onOpen = [&](COsmiraDoc& opened) { frames[&opened] = &openWindow(opened); };
    workbench.onClose = [&](COsmiraDoc& closed) { frames.at(&closed)->detach(); };
    CChildFrame& first = openAt("[A]B");
    click(first, {160, 99});
    first.ruleCommand(Rule::Erasure);
    ASSERT_EQ(exercise.GetSteps().size(), 2u);
    QPointer<CChildFrame> second = frames.at(&step(1));
    ASSERT_FALSE(second.isNull());
    EXPECT_EQ(second->windowTitle(), "Paso 02");

    ASSERT_TRUE(exercise.removeStepsAfter(0));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_TRUE(second.isNull());
    click(first, {100, 99});
    EXPECT_EQ(selectedIndex(), 2);
    EXPECT_TRUE(host.messages.empty());
}

} // namespace
} // namespace osmira::workbench
