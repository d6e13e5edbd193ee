// The workbench's interactions on the real widgets, offscreen: a rule command with 99 step
// windows open until the new step's window has painted, opening a 99-step file with its
// windows, painting again the step window of the largest exercise, and "Pista" on an exercise
// at the bounds the derivation search is complete for.
#include "child_frame.h"
#include "fake_host.h"
#include "main_frame.h"
#include "osmira_app.h"
#include "osmira_view.h"
#include "test_support.h"
#include "window_workbench.h"

#include "osmira/archive/exercise_archive.h"
#include "osmira/formula/formula_entry.h"
#include "osmira/tutor/derivability.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "suite_testing/benchmark_application.h"

namespace {

using namespace osmira;
using namespace osmira::workbench;

QString writeExercise(const QTemporaryDir& folder, const QString& name, const CEjercicio& exercise) {
    const std::string bytes = SaveExercise(exercise);
    const QString path = folder.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
}

QString write99StepExercise(const QTemporaryDir& folder) {
    RecordingWorkbench recorder;
    return writeExercise(folder, QStringLiteral("99-pasos.omr"),
                         *osmira::test::ninetyNineStepExercise(recorder));
}

void settle() {
    QApplication::processEvents();
    QApplication::processEvents();
}

void BM_RuleCommandWith99WindowsOpen(benchmark::State& state) {
    suite::testing::benchmarkApplication();
    QTemporaryDir folder;
    osmira::workbench::test::FakeHost host;
    COsmiraApp app(host);
    app.mainFrame().resize(1280, 900);
    app.mainFrame().show();
    app.openFile(write99StepExercise(folder));
    settle();
    CEjercicio& exercise = *app.currentExercise();
    for (auto _ : state) {
        COsmiraDoc& last = *exercise.lastStep();
        app.workbench().OpenWindow(last);
        last.SetSelectedElement(last.GetElements().at(1).get());
        app.mainFrame().action(Command::ReglaDobleCorte)->trigger();
        settle();
        state.PauseTiming();
        if (exercise.GetSteps().size() != 100) {
            state.SkipWithError("the rule did not make a step");
            break;
        }
        exercise.removeStepsAfter(98);
        settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RuleCommandWith99WindowsOpen)->Unit(benchmark::kMillisecond);

void BM_Open99StepFileWithItsWindows(benchmark::State& state) {
    suite::testing::benchmarkApplication();
    QTemporaryDir folder;
    const QString path = write99StepExercise(folder);
    osmira::workbench::test::FakeHost host;
    COsmiraApp app(host);
    app.mainFrame().resize(1280, 900);
    app.mainFrame().show();
    for (auto _ : state) {
        app.openFile(path);
        settle();
        state.PauseTiming();
        if (app.currentExercise() == nullptr || app.currentExercise()->GetSteps().size() != 99) {
            state.SkipWithError("the file did not open");
            break;
        }
        app.cerrar();
        settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Open99StepFileWithItsWindows)->Unit(benchmark::kMillisecond);

// What a step window does after a rule marks an element of it: paint the whole window again.
void BM_RepaintTheLargestDiagram(benchmark::State& state) {
    suite::testing::benchmarkApplication();
    RecordingWorkbench recorder;
    const std::string formula = osmira::test::longestDisjunction();
    auto exercise =
        osmira::test::newExercise(std::vector<std::string>(kHypothesisSlots, formula), formula, recorder);
    osmira::workbench::test::FakeHost host;
    CChildFrame frame(*exercise->GetSteps().front(), host);
    frame.resize(1280, 900);
    frame.show();
    settle();
    for (auto _ : state) {
        frame.view()->viewport()->repaint();
    }
}
BENCHMARK(BM_RepaintTheLargestDiagram)->Unit(benchmark::kMillisecond);

// Four letters, six hypotheses and a conclusion of twelve connectives; the hint is shown in the
// step's window once the status bar names it.
void BM_PistaWithinTheBounds(benchmark::State& state) {
    suite::testing::benchmarkApplication();
    QTemporaryDir folder;
    RecordingWorkbench recorder;
    const auto exercise = osmira::test::newExercise({"A>B", "B>C", "C>D", "A", "D>(B&C)", "~~A"},
                                                    "D&C&B&A&(A>D)&(B|~C|A)&~~D", recorder);
    if (decideDerivability(*exercise).derivability != Derivability::Derivable) {
        state.SkipWithError("the exercise cannot be done");
        return;
    }
    osmira::workbench::test::FakeHost host;
    COsmiraApp app(host);
    app.mainFrame().show();
    app.openFile(writeExercise(folder, QStringLiteral("pista.omr"), *exercise));
    settle();
    for (auto _ : state) {
        app.mainFrame().action(Command::Pista)->trigger();
        settle();
    }
    if (app.currentExercise()->lastStep()->GetSelectedElement() == nullptr) {
        state.SkipWithError("no hint was shown");
    }
}
BENCHMARK(BM_PistaWithinTheBounds)->Unit(benchmark::kMillisecond);

} // namespace
