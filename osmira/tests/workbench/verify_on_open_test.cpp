// Opening a file checks its derivation: a file the program made opens silently; one whose
// derivation does not hold opens all the same, with one message naming the first bad step.
#include "fake_host.h"
#include "osmira_app.h"
#include "test_support.h"

#include "osmira/archive/exercise_archive.h"
#include "osmira/rules/rule_request.h"

#include <gtest/gtest.h>

#include <functional>

#include "suite_testing/scratch_folder.h"

namespace osmira::workbench {
namespace {

struct OpenCase {
    const char* name;
    std::function<void(CEjercicio&)> tamper;
    QString message; // empty: none expected
};

void PrintTo(const OpenCase& c, std::ostream* out) {
    *out << c.name;
}

class OpeningAFile : public ::testing::TestWithParam<OpenCase> {};

// Hypothesis A, conclusion B, three steps: a double cut put around A and taken away again.
TEST_P(OpeningAFile, SaysOnceWhenItsDerivationDoesNotHold) {
    RecordingWorkbench recorder;
    auto exercise = osmira::test::newExercise({"A"}, "B", recorder);
    for (int step = 0; step < 2; ++step) {
        ASSERT_EQ(requestRule(*exercise, {Rule::DoubleCut, 1, std::nullopt}), RuleOutcome::Committed);
    }
    GetParam().tamper(*exercise);
    suite::testing::ScratchFolder scratch;
    suite::testing::writeFile(scratch / "entrega.omr", SaveExercise(*exercise));
    test::FakeHost host;
    COsmiraApp app{host};

    app.openFile(QString::fromStdString((scratch / "entrega.omr").string()));

    ASSERT_NE(app.currentExercise(), nullptr);
    EXPECT_EQ(app.currentExercise()->GetSteps().size(), 3u);
    if (GetParam().message.isEmpty()) {
        EXPECT_TRUE(host.messages.empty());
        return;
    }
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, GetParam().message);
    EXPECT_EQ(host.messages[0].caption, QStringLiteral("Osmira"));
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Exclamation);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OpeningAFile,
    ::testing::Values(
        OpenCase{"MadeByTheProgram", [](CEjercicio&) {}, {}},
        OpenCase{"RuleNumberChanged", [](CEjercicio& e) { e.GetSteps()[0]->SetAppliedRule(Rule::Erasure); },
                 QStringLiteral("La derivación de este ejercicio no es válida: el Paso 02 no se "
                                "obtiene del Paso 01 por la regla Borramiento (R1): se esperaba la "
                                "hoja vacía.")},
        OpenCase{"HypothesesChanged", [](CEjercicio& e) { e.SetHypotheses("B"); },
                 QStringLiteral("La derivación de este ejercicio no es válida: el Paso 01 no es el "
                                "diagrama que dan las fórmulas del ejercicio: se esperaba B.")}),
    [](const ::testing::TestParamInfo<OpenCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace osmira::workbench
