// The navigator panel and its bar: the tree built step by step and after reading a file, the
// comment of the selected entry, removing steps, double-clicks, the goal mark and the images.

#include "dlg_navegador.h"

#include "osmira/archive/exercise_archive.h"
#include "osmira/rules/rule_request.h"

#include "dlg_navegador_inicial.h"
#include "navigator_icons.h"
#include "test_support.h"

#include <QImage>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

namespace osmira::workbench {
namespace {

// A table's case is shown by its name.
template <typename Case>
requires requires(const Case& testCase) {
    testCase.name;
}
void PrintTo(const Case& testCase, std::ostream* out) {
    *out << testCase.name;
}

// The core's navigator calls reach the panel, as the main window forwards them.
class NavigatorWorkbench : public RecordingWorkbench {
  public:
    explicit NavigatorWorkbench(DlgNavegador& panel) : panel_(panel) {}
    void openNavigator(CEjercicio& exercise, COsmiraDoc& step) override { panel_.Open(exercise, step); }
    void addNavigatorStep(COsmiraDoc& step, Rule rule) override { panel_.AddStep(step, rule); }
    void removeNavigatorStep(COsmiraDoc& step) override { panel_.RemoveStep(step); }
    void rebuildNavigator(CEjercicio& exercise) override { panel_.rebuild(exercise); }

  private:
    DlgNavegador& panel_;
};

// One line per entry, indented by its depth.
void appendEntries(const QTreeWidgetItem& item, int depth, QString& text) {
    text += QString(depth * 2, QLatin1Char(' ')) + item.text(0) + QLatin1Char('\n');
    for (int child = 0; child < item.childCount(); ++child) {
        appendEntries(*item.child(child), depth + 1, text);
    }
}

// UTF-8, so that a failure reads as text.
std::string treeText(const DlgNavegador& panel) {
    QString text;
    for (int top = 0; top < panel.tree().topLevelItemCount(); ++top) {
        appendEntries(*panel.tree().topLevelItem(top), 0, text);
    }
    return text.toStdString();
}

QTreeWidgetItem* entry(const DlgNavegador& panel, const std::string& text) {
    const auto found =
        panel.tree().findItems(QString::fromStdString(text), Qt::MatchExactly | Qt::MatchRecursive);
    return found.size() == 1 ? found.front() : nullptr;
}

COsmiraDoc& step(const CEjercicio& exercise, std::size_t index) {
    return *exercise.GetSteps().at(index);
}

// Hypothesis A∧B∧C, conclusion A (never reached here): erase A (R1), then iterate B onto C (R3).
struct Derivation {
    Derivation() : workbench(panel) {
        exercise->SetTitle("Ejercicio de prueba");
        exercise->SetDescription("Documentaci\xF3n del ejercicio");
        exercise->SetHypotheses(osmira::test::formulaBytes("A&B&C"));
        exercise->SetConclusion("A");
        exercise->attachWorkbench(workbench);
        EXPECT_TRUE(exercise->CreateExercise());
        step(*exercise, 0).SetComment("Primer paso");
    }
    void eraseThenIterate() {
        ASSERT_EQ(requestRule(*exercise, {Rule::Erasure, 1, std::nullopt}), RuleOutcome::Committed);
        ASSERT_EQ(requestRule(*exercise, {Rule::Iteration, 2, std::size_t{1}}), RuleOutcome::Committed);
        step(*exercise, 1).SetComment("Segundo\r\npaso");
    }

    DlgNavegador panel;
    NavigatorWorkbench workbench;
    std::unique_ptr<CEjercicio> exercise = std::make_unique<CEjercicio>();
};

const std::string kDerivedTree = ("Ejercicio de prueba\n"
                                  "  Paso 01\n"
                                  "    Borramiento (R1)\n"
                                  "  Paso 02\n"
                                  "    Iteración (R3)\n"
                                  "  Paso 03\n");

struct TitleCase {
    const char* name;
    std::string title;
    std::string rootText;
};

class NavigatorNewExercise : public ::testing::TestWithParam<TitleCase> {};

TEST_P(NavigatorNewExercise, ShowsTheTitleAndTheFirstStepWithoutRule) {
    DlgNavegador panel;
    NavigatorWorkbench workbench(panel);
    CEjercicio exercise;
    exercise.SetTitle(GetParam().title);
    exercise.SetHypotheses(osmira::test::formulaBytes("A"));
    exercise.attachWorkbench(workbench);
    ASSERT_TRUE(exercise.CreateExercise());
    EXPECT_EQ(treeText(panel), GetParam().rootText + "\n  Paso 01\n");
    EXPECT_TRUE(panel.tree().topLevelItem(0)->isExpanded());
    EXPECT_EQ(panel.SelectedStep(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Titles, NavigatorNewExercise,
                         ::testing::Values(TitleCase{"Titled", "Modus ponens", "Modus ponens"},
                                           TitleCase{"Untitled", "", ""},
                                           TitleCase{"Latin1Title", "Deducci\xF3n", "Deducción"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NavigatorTree, RulesHangUnderTheStepTheyWereAppliedFromAndReadingBuildsTheSameTree) {
    Derivation derivation;
    derivation.eraseThenIterate();
    EXPECT_EQ(treeText(derivation.panel), kDerivedTree);

    auto read = LoadExercise(SaveExercise(*derivation.exercise));
    ASSERT_TRUE(read.value) << read.reason;
    DlgNavegador reopened;
    NavigatorWorkbench workbench(reopened);
    read.value->attachWorkbench(workbench);
    read.value->ReopenAfterReading();
    EXPECT_EQ(treeText(reopened), kDerivedTree);
    EXPECT_EQ(reopened.SelectedStep(), nullptr);
}

struct SelectionCase {
    const char* name;
    std::string entry; // selected after Paso 01 was
    int selectedStep;  // its index, or -1 for none
    std::string comment;
};

class NavigatorSelection : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(NavigatorSelection, ShowsTheCommentOfTheSelectedEntry) {
    Derivation derivation;
    derivation.eraseThenIterate();
    DlgNavegador& panel = derivation.panel;
    panel.tree().setCurrentItem(entry(panel, "Paso 01"));
    panel.tree().setCurrentItem(entry(panel, GetParam().entry));
    const COsmiraDoc* expected =
        GetParam().selectedStep < 0 ? nullptr : &step(*derivation.exercise, GetParam().selectedStep);
    EXPECT_EQ(panel.SelectedStep(), expected);
    EXPECT_EQ(panel.commentBox().toPlainText().toStdString(), GetParam().comment);
    // "Comentario" stores a new text for the same target and asks for it to be shown again.
    if (panel.SelectedStep() != nullptr) {
        panel.SelectedStep()->SetComment("Cambiado");
    } else {
        derivation.exercise->SetDescription("Cambiado");
    }
    panel.RefreshComment();
    EXPECT_EQ(panel.commentBox().toPlainText().toStdString(), "Cambiado");
}

INSTANTIATE_TEST_SUITE_P(
    Entries, NavigatorSelection,
    ::testing::Values(SelectionCase{"Step", "Paso 02", 1, "Segundo\npaso"},
                      SelectionCase{"Root", "Ejercicio de prueba", -1, "Documentación del ejercicio"},
                      SelectionCase{"RuleEntryKeepsThePrevious", "Iteración (R3)", 0, "Primer paso"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RemovalCase {
    const char* name;
    std::string selected;      // the entry selected before the removal
    std::string selectedAfter; // the entry the tree selects instead, empty for none
    bool followsFirstStep;     // whether the panel's step is then Paso 01 (else none)
};

class NavigatorRemoval : public ::testing::TestWithParam<RemovalCase> {};

TEST_P(NavigatorRemoval, KeepsOnlyTheFirstStepAndTheSelectionFollowsTheTree) {
    Derivation derivation;
    derivation.eraseThenIterate();
    DlgNavegador& panel = derivation.panel;
    panel.tree().setCurrentItem(entry(panel, GetParam().selected));
    ASSERT_TRUE(derivation.exercise->removeStepsAfter(0));

    EXPECT_EQ(treeText(panel), "Ejercicio de prueba\n  Paso 01\n");
    const auto selected = panel.tree().selectedItems();
    EXPECT_EQ(selected.isEmpty() ? std::string() : selected.front()->text(0).toStdString(),
              GetParam().selectedAfter);
    // Never a removed step.
    EXPECT_EQ(panel.SelectedStep(), GetParam().followsFirstStep ? &step(*derivation.exercise, 0) : nullptr);
    EXPECT_EQ(panel.commentBox().toPlainText().toStdString(),
              GetParam().followsFirstStep ? "Primer paso" : "Documentación del ejercicio");
    // Later steps are added under the remaining entries as before.
    ASSERT_EQ(requestRule(*derivation.exercise, {Rule::DoubleCut, 0, std::nullopt}), RuleOutcome::Committed);
    EXPECT_EQ(treeText(panel), "Ejercicio de prueba\n  Paso 01\n    Doble Corte (R5)\n  Paso 02\n");
}

INSTANTIATE_TEST_SUITE_P(Selections, NavigatorRemoval,
                         ::testing::Values(RemovalCase{"Root", "Ejercicio de prueba", "Ejercicio de prueba",
                                                       false},
                                           RemovalCase{"KeptStep", "Paso 01", "Paso 01", true},
                                           RemovalCase{"RemovedStep", "Paso 02", "Paso 01", true},
                                           RemovalCase{"LastStep", "Paso 03", "Paso 01", true},
                                           RemovalCase{"RuleUnderARemovedStep", "Iteración (R3)", "", false}),
                         [](const auto& info) { return std::string(info.param.name); });

// An exercise of `count` steps read from a file, left by the five rules in turn.
std::unique_ptr<CEjercicio> readSteps(int count) {
    auto exercise = std::make_unique<CEjercicio>();
    exercise->SetTitle("Largo");
    exercise->SetHypotheses("A"); // a goal the empty steps do not reach
    for (int number = 1; number <= count; ++number) {
        auto doc = std::make_unique<COsmiraDoc>();
        doc->SetTitle(stepTitle(number));
        doc->SetSelfId(nextSelfId());
        doc->SetAppliedRule(number < count ? static_cast<Rule>((number - 1) % 5 + 1) : Rule::None);
        exercise->adoptStep(std::move(doc));
    }
    return exercise;
}

std::vector<std::string> stepTexts(const DlgNavegador& panel) {
    std::vector<std::string> texts;
    const QTreeWidgetItem& root = *panel.tree().topLevelItem(0);
    for (int child = 0; child < root.childCount(); ++child) {
        texts.push_back(root.child(child)->text(0).toStdString());
    }
    return texts;
}

TEST(NavigatorOrder, StepsStayInSequenceBeyondNinetyNineBothStepByStepAndRebuilt) {
    constexpr int kSteps = 101;
    auto exercise = readSteps(kSteps);
    std::vector<std::string> expected;
    for (int number = 1; number <= kSteps; ++number) {
        expected.push_back(stepTitle(number));
    }

    DlgNavegador stepByStep;
    stepByStep.resize(220, 300);
    stepByStep.show();
    stepByStep.Open(*exercise, step(*exercise, 0));
    stepByStep.tree().setCurrentItem(stepByStep.tree().topLevelItem(0));
    for (int index = 1; index < kSteps; ++index) {
        stepByStep.AddStep(step(*exercise, index), step(*exercise, index - 1).GetAppliedRule());
    }
    EXPECT_EQ(stepTexts(stepByStep), expected);
    // The newest entry is scrolled into view but the selection stays on the root.
    QTreeWidgetItem* newest = stepByStep.stepItem(step(*exercise, kSteps - 1));
    ASSERT_NE(newest, nullptr);
    EXPECT_TRUE(stepByStep.tree().viewport()->rect().intersects(stepByStep.tree().visualItemRect(newest)));
    EXPECT_EQ(stepByStep.tree().selectedItems(), QList<QTreeWidgetItem*>{stepByStep.tree().topLevelItem(0)});

    DlgNavegador rebuilt;
    rebuilt.rebuild(*exercise);
    EXPECT_EQ(stepTexts(rebuilt), expected);
    EXPECT_EQ(treeText(rebuilt), treeText(stepByStep));
}

TEST(NavigatorLayout, EveryRuleLabelShowsWholeAtTheNarrowestWidth) {
    auto exercise = readSteps(6);
    DlgNavegador panel;
    panel.rebuild(*exercise);
    panel.resize(panel.minimumWidth(), 480);
    panel.show();
    EXPECT_EQ(treeText(panel), "Largo\n"
                               "  Paso 01\n    Borramiento (R1)\n"
                               "  Paso 02\n    Inserción (R2)\n"
                               "  Paso 03\n    Iteración (R3)\n"
                               "  Paso 04\n    Desiteración (R4)\n"
                               "  Paso 05\n    Doble Corte (R5)\n"
                               "  Paso 06\n");
    // The column fits its widest entry, indentation included.
    EXPECT_LE(panel.tree().columnWidth(0), panel.tree().viewport()->width());
}

struct DoubleClickCase {
    const char* name;
    std::string entry;
    int activatedStep; // index, or -1 for no signal
};

class NavigatorDoubleClick : public ::testing::TestWithParam<DoubleClickCase> {};

TEST_P(NavigatorDoubleClick, ActivatesOnlyStepEntries) {
    Derivation derivation;
    derivation.eraseThenIterate();
    DlgNavegador& panel = derivation.panel;
    panel.resize(220, 400);
    panel.show();
    QSignalSpy activated(&panel, &DlgNavegador::stepActivated);
    QTreeWidgetItem* item = entry(panel, GetParam().entry);
    ASSERT_NE(item, nullptr);
    // As the system delivers a double-click: a click, then the double-click event.
    const QPoint centre = panel.tree().visualItemRect(item).center();
    QTest::mouseClick(panel.tree().viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(panel.tree().viewport(), Qt::LeftButton, {}, centre);
    if (GetParam().activatedStep < 0) {
        EXPECT_EQ(activated.count(), 0);
    } else {
        ASSERT_EQ(activated.count(), 1);
        EXPECT_EQ(activated.front().front().value<COsmiraDoc*>(),
                  &step(*derivation.exercise, GetParam().activatedStep));
    }
}

INSTANTIATE_TEST_SUITE_P(Entries, NavigatorDoubleClick,
                         ::testing::Values(DoubleClickCase{"Step", "Paso 02", 1},
                                           DoubleClickCase{"Rule", "Borramiento (R1)", -1},
                                           DoubleClickCase{"Root", "Ejercicio de prueba", -1}),
                         [](const auto& info) { return std::string(info.param.name); });

// Hypothesis A∧B with conclusion B: erasing A reaches the goal in Paso 02.
TEST(NavigatorGoal, TheMarkIsOnTheLastStepAfterReadingAndGoesWithItsStep) {
    RecordingWorkbench recorder;
    auto solved = osmira::test::newExercise({"A&B"}, "B", recorder);
    ASSERT_EQ(requestRule(*solved, {Rule::Erasure, 1, std::nullopt}), RuleOutcome::Committed);
    auto read = LoadExercise(SaveExercise(*solved));
    ASSERT_TRUE(read.value) << read.reason;
    CEjercicio& exercise = *read.value;
    DlgNavegador panel;
    NavigatorWorkbench workbench(panel);
    exercise.attachWorkbench(workbench);
    exercise.ReopenAfterReading();
    const std::string marked = "Paso 02" + DlgNavegador::kGoalMark.toStdString();
    using Texts = std::vector<std::string>;
    EXPECT_EQ(stepTexts(panel), (Texts{"Paso 01", marked}));
    EXPECT_TRUE(entry(panel, marked)->font(0).bold());

    // A further step: the mark leaves Paso 02 until someone marks the new last step.
    ASSERT_EQ(requestRule(exercise, {Rule::DoubleCut, 0, std::nullopt}), RuleOutcome::Committed);
    EXPECT_EQ(stepTexts(panel), (Texts{"Paso 01", "Paso 02", "Paso 03"}));
    panel.markGoalReached(step(exercise, 2));
    EXPECT_EQ(stepTexts(panel),
              (Texts{"Paso 01", "Paso 02", "Paso 03" + DlgNavegador::kGoalMark.toStdString()}));
    ASSERT_TRUE(exercise.removeStepsAfter(1));
    EXPECT_EQ(stepTexts(panel), (Texts{"Paso 01", "Paso 02"}));
    EXPECT_FALSE(entry(panel, "Paso 02")->font(0).bold());
    // No trace of the removed mark is left to clear when the next step comes.
    ASSERT_EQ(requestRule(exercise, {Rule::DoubleCut, 0, std::nullopt}), RuleOutcome::Committed);
    EXPECT_EQ(stepTexts(panel), (Texts{"Paso 01", "Paso 02", "Paso 03"}));
}

// The mark once stood on a file that reaches the goal by a step its rule does not allow.
TEST(NavigatorGoal, ADerivationThatDoesNotHoldIsNotMarked) {
    RecordingWorkbench recorder;
    auto edited = osmira::test::newExercise({"A&B"}, "B", recorder);
    ASSERT_EQ(requestRule(*edited, {Rule::Erasure, 1, std::nullopt}), RuleOutcome::Committed);
    edited->GetSteps().front()->SetAppliedRule(Rule::Insertion);
    auto read = LoadExercise(SaveExercise(*edited));
    ASSERT_TRUE(read.value) << read.reason;
    ASSERT_TRUE(read.value->goalReached());
    DlgNavegador panel;
    NavigatorWorkbench workbench(panel);
    read.value->attachWorkbench(workbench);
    read.value->ReopenAfterReading();
    EXPECT_EQ(stepTexts(panel), (std::vector<std::string>{"Paso 01", "Paso 02"}));
}

TEST(NavigatorBar, HostsOnePanelAtATimeOnTheLeft) {
    DlgNavegadorInicial bar;
    EXPECT_EQ(bar.objectName().toStdString(), "DlgNavegadorInicial");
    EXPECT_EQ(bar.allowedAreas(), Qt::LeftDockWidgetArea);
    EXPECT_EQ(bar.panel(), nullptr);

    const int emptyWidth = bar.widget()->minimumWidth();
    QPointer<DlgNavegador> first = &bar.openPanel();
    EXPECT_EQ(bar.panel(), first.data());
    EXPECT_EQ(first->minimumWidth(), emptyWidth); // the window keeps its shape
    EXPECT_EQ(first->objectName().toStdString(), "DlgNavegador");
    QPointer<DlgNavegador> second = &bar.openPanel();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(bar.panel(), second.data());

    bar.closePanel();
    EXPECT_TRUE(second.isNull());
    EXPECT_EQ(bar.panel(), nullptr);
    EXPECT_EQ(bar.widget()->minimumWidth(), emptyWidth);
}

TEST(NavigatorImages, FourDistinctVisiblePictures) {
    const NavigatorImage images[] = {NavigatorImage::ExerciseClosed, NavigatorImage::ExerciseOpen,
                                     NavigatorImage::Step, NavigatorImage::Rule};
    std::vector<QImage> drawn;
    for (const NavigatorImage image : images) {
        drawn.push_back(navigatorPixmap(image).toImage().convertToFormat(QImage::Format_ARGB32));
        EXPECT_EQ(drawn.back().size(), QSize(16, 16));
        QImage blank(16, 16, QImage::Format_ARGB32);
        blank.fill(Qt::transparent);
        EXPECT_NE(drawn.back(), blank);
    }
    for (std::size_t a = 0; a < drawn.size(); ++a) {
        for (std::size_t b = a + 1; b < drawn.size(); ++b) {
            EXPECT_NE(drawn[a], drawn[b]) << "images " << a << " and " << b;
        }
    }
}

} // namespace
} // namespace osmira::workbench
