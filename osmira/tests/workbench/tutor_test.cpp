// The workbench as a tutor: the rules the program would accept on the selected element, and
// "Pista", both in the status bar; the exam lock and the settings that switch hints off.
#include "exam_room.h"
#include "goal_pane.h"
#include "opened_exercise.h"
#include "tutor_texts.h"
#include "widget_support.h"

#include "osmira/archive/exercise_archive.h"
#include "osmira/rules/applicable_rules.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace osmira::workbench {
namespace {

using test::FakeHost;

using Tutor = test::OpenedExercise;

struct ApplicableCase {
    const char* name;
    std::vector<std::string> hypotheses; // the first step: A and A→B give A[A[B]]
    int tabs;                            // Tab pressed so often selects that element
    const char* status;
};

void PrintTo(const ApplicableCase& c, std::ostream* os) {
    *os << c.name;
}

class ApplicableRules : public ::testing::TestWithParam<ApplicableCase> {};

TEST_P(ApplicableRules, TheStatusBarNamesTheRulesTheSelectionAccepts) {
    const ApplicableCase& c = GetParam();
    Tutor tutor(c.hypotheses, "B");
    for (int tab = 0; tab < c.tabs; ++tab) {
        QTest::keyClick(&tutor.activeView(), Qt::Key_Tab);
    }
    EXPECT_EQ(tutor.status(), QString::fromUtf8(c.status));
}

const std::vector<std::string> kModusPonens{"A", "A>B"};

// What the status bar said of the selection spoke of the step before the rule.
TEST(ApplicableRulesAfterARule, TheListMakesWayForTheIdlePrompt) {
    Tutor tutor(kModusPonens, "B");
    QTest::keyClick(&tutor.activeView(), Qt::Key_Tab);
    ASSERT_TRUE(tutor.status().startsWith(QStringLiteral("Reglas aplicables")));
    tutor.app.mainFrame().action(Command::ReglaBorrado)->trigger();
    ASSERT_EQ(tutor.app.currentExercise()->GetSteps().size(), 2U);
    EXPECT_EQ(tutor.status(), QStringLiteral("Para obtener ayuda presione F1"));
}

INSTANTIATE_TEST_SUITE_P(
    Tutor, ApplicableRules,
    ::testing::Values(ApplicableCase{"TheSheetOnlyTakesADoubleCut", kModusPonens, 6, "Reglas aplicables: R5"},
                      ApplicableCase{"ALetterOnTheSheet", kModusPonens, 1, "Reglas aplicables: R1, R3, R5"},
                      ApplicableCase{"ACutOnTheSheet", kModusPonens, 2, "Reglas aplicables: R1, R2, R3, R5"},
                      ApplicableCase{"ACopyOfALetterOutside", kModusPonens, 3,
                                     "Reglas aplicables: R2, R3, R4, R5"},
                      ApplicableCase{"ACutInsideACut", kModusPonens, 4, "Reglas aplicables: R3, R5"},
                      ApplicableCase{"ALetterAloneInItsArea", kModusPonens, 5, "Reglas aplicables: R1, R5"},
                      ApplicableCase{"ASiblingIsNoOriginal", {"A", "A"}, 2, "Reglas aplicables: R1, R3, R5"}),
    [](const auto& info) { return std::string(info.param.name); });

struct HintCase {
    const char* name;
    std::vector<std::string> hypotheses;
    std::string conclusion;
    const char16_t* noHint; // the status when there is no next step; null when there is one
};

void PrintTo(const HintCase& c, std::ostream* os) {
    *os << c.name;
}

class Hint : public ::testing::TestWithParam<HintCase> {};

// The hint names a rule that the element it selects accepts, and changes nothing.
TEST_P(Hint, SelectsTheElementAndNamesTheRuleWithoutApplyingIt) {
    const HintCase& c = GetParam();
    Tutor tutor(c.hypotheses, c.conclusion);
    CEjercicio& exercise = *tutor.app.currentExercise();
    const std::string before = exercise.GetWorking();

    tutor.app.mainFrame().action(Command::Pista)->trigger();

    EXPECT_EQ(exercise.GetSteps().size(), 1U);
    EXPECT_EQ(exercise.GetWorking(), before);
    const CElemento* selected = exercise.lastStep()->GetSelectedElement();
    if (c.noHint != nullptr) {
        EXPECT_EQ(tutor.status(), QString::fromUtf16(c.noHint));
        EXPECT_EQ(selected, nullptr);
        return;
    }
    const QRegularExpressionMatch named =
        QRegularExpression(QStringLiteral("^Pista: con .* \\(R([1-5])\\), [a-zñ]+ ")).match(tutor.status());
    ASSERT_TRUE(named.hasMatch()) << tutor.status().toStdString();
    ASSERT_NE(selected, nullptr);
    EXPECT_EQ(&tutor.activeView(), tutor.app.mainFrame().activeStepWindow()->view());
    const std::vector<Rule> accepted = applicableRules(exercise, *selected);
    EXPECT_NE(std::find(accepted.begin(), accepted.end(), static_cast<Rule>(named.captured(1).toInt())),
              accepted.end());
}

INSTANTIATE_TEST_SUITE_P(
    Tutor, Hint,
    ::testing::Values(
        HintCase{"ModusPonens", kModusPonens, "B", nullptr},
        HintCase{"ADoubleNegation", {"~~A"}, "A", nullptr},
        HintCase{"AConjunctionTakenApart", {"A&B"}, "B", nullptr},
        HintCase{"ADisjunctionToProve", {"A"}, "A|B", nullptr},
        HintCase{"PeircesLawFromTheEmptySheet", {}, "((P>Q)>P)>P", nullptr},
        HintCase{"SevenLettersAreTooManyToSearchAtOnce",
                 {"A&B&C&D&E&F&G"},
                 "A",
                 u"No hay pista: el ejercicio es demasiado grande para buscar una derivación al "
                 u"momento."},
        HintCase{"TheGoalReached", {"A"}, "A", u"Pista: ya ha llegado a la conclusión."},
        HintCase{"NotDerivable",
                 {"A"},
                 "B",
                 u"No hay pista. La conclusión no se sigue de las hipótesis: con A verdadera y B "
                 u"falsa, las hipótesis son verdaderas y la conclusión es falsa."}),
    [](const auto& info) { return std::string(info.param.name); });

struct WordingCase {
    const char* name;
    std::string bracket; // the step the hint starts from
    SolutionStep next;
    QString text;
};

void PrintTo(const WordingCase& c, std::ostream* os) {
    *os << c.name;
}

class HintWording : public ::testing::TestWithParam<WordingCase> {};

// Each rule's hint says what to do with the selected element and why the rule allows it there.
TEST_P(HintWording, SaysWhatToDoAndWhy) {
    const WordingCase& c = GetParam();
    RecordingWorkbench recorder;
    const auto exercise = osmira::test::exerciseAt(c.bracket, recorder);
    SolutionStep next = c.next;
    next.before = c.bracket;
    EXPECT_EQ(hintText(*exercise->lastStep(), next), c.text);
}

// The reason R5 gives wherever it acts.
const QString kDoubleCutReason = QStringLiteral(
    "dos cortes, uno dentro del otro y sin nada entre ellos, no cambian lo que dice el diagrama");

INSTANTIATE_TEST_SUITE_P(
    Tutor, HintWording,
    ::testing::Values(
        WordingCase{
            "ErasureOfALetter",
            "A[B]",
            {Rule::Erasure, 1, {}, {}, {}, {}},
            QStringLiteral("Pista: con Borramiento (R1), borre la letra A señalada: está en un área par "
                           "(rodeada por un número par de cortes, o por ninguno), y en un área par se "
                           "puede borrar cualquier gráfico.")},
        WordingCase{
            "InsertionIntoACut",
            "[A]",
            {Rule::Insertion, 1, {}, osmira::test::formulaBytes("B&C"), {}, {}},
            QStringLiteral("Pista: con Inserción (R2), inserte B∧C dentro del corte señalado, que "
                           "contiene A: el gráfico nuevo queda en un área impar (rodeada por un número "
                           "impar de cortes), y en un área impar se puede insertar cualquier gráfico. "
                           "Escriba la fórmula en la ventana «Regla de Inserción».")},
        WordingCase{
            "IterationIntoACut",
            "A[B]",
            {Rule::Iteration, 2, 1, {}, {}, {}},
            QStringLiteral("Pista: con Iteración (R3), copie la letra A señalada: un gráfico se puede "
                           "copiar en su misma área o en cualquier área que esté dentro de ella. Pulse "
                           "la regla y elija después como lugar el corte que contiene B.")},
        WordingCase{
            "DeiterationOfACut",
            "[B][C[B]]",
            {Rule::Deiteration, 5, {}, {}, {}, {}},
            QStringLiteral("Pista: con Desiteración (R4), quite el corte señalado, que contiene B: es "
                           "una copia de un gráfico idéntico que está más fuera, en un área que la rodea, "
                           "y una copia así se puede quitar.")},
        WordingCase{
            "DoubleCutOnTheSheet",
            "A",
            {Rule::DoubleCut, 0, {}, {}, {}, {}},
            QStringLiteral("Pista: con Doble Corte (R5), añada un doble corte vacío a la hoja de "
                           "aserción: ") +
                kDoubleCutReason +
                QStringLiteral(", y dentro del doble corte podrá insertar o copiar lo que necesite.")},
        WordingCase{
            "DoubleCutAroundALetter",
            "A",
            {Rule::DoubleCut, 1, {}, {}, {}, {}},
            QStringLiteral("Pista: con Doble Corte (R5), rodee con un doble corte la letra A señalada: ") +
                kDoubleCutReason + QStringLiteral(".")},
        WordingCase{"DoubleCutTakenAway",
                    "[[A]]",
                    {Rule::DoubleCut, 1, {}, {}, {}, {}},
                    QStringLiteral("Pista: con Doble Corte (R5), quite el doble corte señalado: ") +
                        kDoubleCutReason + QStringLiteral(", así que se pueden quitar.")},
        WordingCase{
            "DoubleCutAroundACut",
            "[A]",
            {Rule::DoubleCut, 1, {}, {}, DoubleCutPosition::Around, {}},
            QStringLiteral("Pista: con Doble Corte (R5), rodee con un doble corte el corte señalado, que "
                           "contiene A: ") +
                kDoubleCutReason +
                QStringLiteral(". Cuando el programa pregunte dónde ponerlo, elija «Alrededor del "
                               "gráfico seleccionado».")},
        WordingCase{"DoubleCutInsideACut",
                    "[]",
                    {Rule::DoubleCut, 1, {}, {}, DoubleCutPosition::Inside, {}},
                    QStringLiteral("Pista: con Doble Corte (R5), añada un doble corte vacío dentro del corte "
                                   "vacío señalado: ") +
                        kDoubleCutReason +
                        QStringLiteral(", y dentro del doble corte podrá insertar o copiar lo que necesite. "
                                       "Cuando el programa pregunte dónde ponerlo, elija «Dentro del gráfico "
                                       "seleccionado».")}),
    [](const auto& info) { return std::string(info.param.name); });

const QString kIdlePrompt = QStringLiteral("Para obtener ayuda presione F1");

struct SetAsideCase {
    const char* name;
    std::function<void(Tutor&)> command; // what sets the exercise with its hint aside
};

void PrintTo(const SetAsideCase& c, std::ostream* os) {
    *os << c.name;
}

class HintOfAnExerciseSetAside : public ::testing::TestWithParam<SetAsideCase> {};

// What the window said of an exercise, the hint and its goal, goes with it.
TEST_P(HintOfAnExerciseSetAside, GoesWithIt) {
    Tutor tutor(kModusPonens, "B");
    tutor.app.pista();
    tutor.app.verObjetivo();
    ASSERT_TRUE(tutor.status().startsWith(QStringLiteral("Pista: con ")));
    ASSERT_NE(tutor.app.mainFrame().goalPane().view(), nullptr);

    GetParam().command(tutor);

    EXPECT_EQ(tutor.status(), kIdlePrompt);
    EXPECT_TRUE(tutor.app.mainFrame().goalPane().isHidden());
    EXPECT_EQ(tutor.app.mainFrame().goalPane().view(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Tutor, HintOfAnExerciseSetAside,
    ::testing::Values(SetAsideCase{"Abrir",
                                   [](Tutor& tutor) {
                                       tutor.host.openPaths = {QString::fromStdString(
                                           (tutor.scratch / "ejercicio.omr").string())};
                                       tutor.app.abrir();
                                       ASSERT_NE(tutor.app.currentExercise(), nullptr);
                                   }},
                      SetAsideCase{
                          "Nuevo",
                          [](Tutor& tutor) {
                              tutor.host.dialogAnswers = {test::acceptData, test::acceptFormulas({"A"}, "A")};
                              tutor.app.nuevo();
                              ASSERT_NE(tutor.app.currentExercise(), nullptr);
                          }},
                      SetAsideCase{"Cerrar", [](Tutor& tutor) { tutor.app.cerrar(); }}),
    [](const auto& info) { return std::string(info.param.name); });

// The prompt of a toolbar button covers the hint while the pointer is on the button, and the hint
// is back once it leaves.
TEST(HintUnderThePointer, ComesBackWhenThePointerLeavesAButton) {
    Tutor tutor(kModusPonens, "B");
    CMainFrame& frame = tutor.app.mainFrame();
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    tutor.app.pista();
    const QString hint = tutor.status();
    QWidget* abrir = frame.mainToolBar().widgetForAction(frame.action(Command::Abrir));

    QTest::mouseMove(abrir);
    EXPECT_EQ(frame.statusBar()->currentMessage(), QStringLiteral("Abre un ejercicio ya existente"));
    QTest::mouseMove(&tutor.activeView());

    EXPECT_EQ(frame.statusBar()->currentMessage(), QString());
    EXPECT_EQ(tutor.status(), hint);
    EXPECT_TRUE(frame.findChild<QLabel*>(QStringLiteral("StatusLine"))->isVisible());
}

// A hint longer than the status bar is wide goes on in further lines, all of them shown.
TEST(LongHint, IsShownWhole) {
    Tutor tutor(kModusPonens, "B");
    CMainFrame& frame = tutor.app.mainFrame();
    frame.resize(640, 480);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    tutor.app.pista();
    QApplication::processEvents();
    const QLabel& line = *frame.findChild<QLabel*>(QStringLiteral("StatusLine"));
    ASSERT_GT(line.fontMetrics().horizontalAdvance(line.text()), line.width()); // more than one line

    EXPECT_TRUE(line.isVisible());
    EXPECT_GE(line.height(), line.heightForWidth(line.width()));
    EXPECT_TRUE(frame.statusBar()->rect().contains(line.geometry()));
    EXPECT_TRUE(frame.rect().contains(frame.statusBar()->geometry()));
}

class ExamLock : public ::testing::TestWithParam<osmira::test::ExamRoomCase> {};

// A teacher's lock in the system's settings silences the tutor whatever the student's settings
// or the environment say; without it, either may: no Pista in the menu, its key does nothing, and
// Nuevo keeps to itself that the conclusion does not follow.
TEST_P(ExamLock, SilencesPistaAndTheNoteAfterNuevo) {
    const osmira::test::ExamRoomCase& room = GetParam();
    const osmira::test::ExamRoom examRoom(room);
    // Qt fixes the user's settings folder when it first reads them; each room has its own, so
    // that rooms tried at once in other processes never share the student's file.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(examRoom.userFolder()));
    const auto restore = qScopeGuard([] {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    });
    if (room.user != nullptr) {
        QSettings().setValue(QStringLiteral("Pista/activa"), QString::fromLatin1(room.user));
    }
    FakeHost host;
    COsmiraApp app(host);
    host.dialogAnswers = {test::acceptData, test::acceptFormulas({"A"}, "B")};
    app.nuevo();
    QAction& pista = *app.mainFrame().action(Command::Pista);
    const QString status = app.mainFrame().statusLine();
    app.pista();

    ASSERT_NE(app.currentExercise(), nullptr);
    EXPECT_EQ(pista.isVisible(), !room.silent);
    EXPECT_EQ(pista.isEnabled(), !room.silent);
    EXPECT_EQ(app.mainFrame().statusLine() == status, room.silent);
    EXPECT_EQ(host.messages.size(), room.silent ? 0U : 1U);
}

INSTANTIATE_TEST_SUITE_P(Rooms, ExamLock, ::testing::ValuesIn(osmira::test::kExamRooms),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace osmira::workbench
