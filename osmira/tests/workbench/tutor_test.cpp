// The workbench as a tutor: the rules the program would accept on the selected element, named
// in the status bar.
#include "child_frame.h"
#include "fake_host.h"
#include "main_frame.h"
#include "osmira_app.h"
#include "osmira_view.h"
#include "test_support.h"

#include "osmira/exercise_archive.h"

#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "suite_testing/scratch_folder.h"

namespace osmira::workbench {
namespace {

using test::FakeHost;

// The workbench with an exercise made as Nuevo makes it, opened from its file, its first step's
// window active.
class Tutor {
  public:
    Tutor(const std::vector<std::string>& hypotheses, const std::string& conclusion) {
        RecordingWorkbench recorder;
        const std::string bytes = SaveExercise(*osmira::test::newExercise(hypotheses, conclusion, recorder));
        suite::testing::writeFile(scratch / "ejercicio.omr", bytes);
        app.openFile(QString::fromStdString((scratch / "ejercicio.omr").string()));
    }

    COsmiraView& activeView() const { return *app.mainFrame().activeStepWindow()->view(); }
    QString status() const { return app.mainFrame().statusBar()->currentMessage(); }

    suite::testing::ScratchFolder scratch;
    FakeHost host;
    COsmiraApp app{host};
};

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

} // namespace
} // namespace osmira::workbench
