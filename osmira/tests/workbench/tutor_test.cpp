// The workbench as a tutor: the rules the program would accept on the selected element, and
// "Pista", both in the status bar; the exam lock and the settings that switch hints off.
#include "exam_room.h"
#include "opened_exercise.h"
#include "widget_support.h"

#include "osmira/applicable_rules.h"
#include "osmira/exercise_archive.h"

#include <QAction>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

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
        QRegularExpression(QStringLiteral("^Pista: aplique .* \\(R([1-5])\\) (a la|al) "))
            .match(tutor.status());
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
    const QString status = app.mainFrame().statusBar()->currentMessage();
    app.pista();

    ASSERT_NE(app.currentExercise(), nullptr);
    EXPECT_EQ(pista.isVisible(), !room.silent);
    EXPECT_EQ(pista.isEnabled(), !room.silent);
    EXPECT_EQ(app.mainFrame().statusBar()->currentMessage() == status, room.silent);
    EXPECT_EQ(host.messages.size(), room.silent ? 0U : 1U);
}

INSTANTIATE_TEST_SUITE_P(Rooms, ExamLock, ::testing::ValuesIn(osmira::test::kExamRooms),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace osmira::workbench
