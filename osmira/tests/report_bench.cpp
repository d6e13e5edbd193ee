// The HTML report written into a folder, as "Informe" writes it: 99 steps with every option, the
// largest exercise a student can start (one step of 295,000 cuts nested up to 32,765 deep, drawn
// scaled down) and 65,535 steps (a file holds at most 65,536).
#include "report_files.h"
#include "test_support.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace osmira;

void reportEachIteration(benchmark::State& state, const CEjercicio& exercise, const ReportOptions& options) {
    // Made once and never destroyed: at exit Qt Gui's own statics may already be gone.
    [[maybe_unused]] static const QGuiApplication* const application =
        render::makeReportApplication().release();
    QTemporaryDir folder;
    const std::string page = folder.filePath(QStringLiteral("informe.htm")).toStdString();
    for (auto _ : state) {
        if (const auto reason = render::writeReport(exercise, options, page)) {
            state.SkipWithError(reason->c_str());
            break;
        }
    }
}

void BM_Report99StepsAllOptions(benchmark::State& state) {
    RecordingWorkbench recorder;
    auto exercise = test::ninetyNineStepExercise(recorder);
    ReportOptions options;
    options.bComentarios = true;
    options.bInfoAlfa = true;
    reportEachIteration(state, *exercise, options);
}
BENCHMARK(BM_Report99StepsAllOptions)->Unit(benchmark::kMillisecond);

// The exercises below are made once, for every repetition.
void BM_ReportTheLargestExercise(benchmark::State& state) {
    static RecordingWorkbench recorder;
    static const auto exercise = [] {
        const std::string disjunction = test::longestDisjunction();
        return test::newExercise(std::vector<std::string>(6, disjunction), disjunction, recorder);
    }();
    reportEachIteration(state, *exercise, ReportOptions{});
}
BENCHMARK(BM_ReportTheLargestExercise)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_Report65535Steps(benchmark::State& state) {
    static RecordingWorkbench recorder;
    static const auto exercise = test::doubleCutExercise(kMostSteps - 1, recorder);
    reportEachIteration(state, *exercise, ReportOptions{});
}
BENCHMARK(BM_Report65535Steps)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
