// The HTML report of a 99-step exercise with every option: the page and its 105 pictures
// written into a folder, as "Informe" does.
#include "report_files.h"
#include "test_support.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace osmira;

void BM_Report99StepsAllOptions(benchmark::State& state) {
    // Made once and never destroyed: at exit Qt Gui's own statics may already be gone.
    [[maybe_unused]] static const QGuiApplication* const application =
        render::makeReportApplication().release();
    RecordingWorkbench recorder;
    auto exercise = osmira::test::ninetyNineStepExercise(recorder);
    ReportOptions options;
    options.bComentarios = true;
    options.bInfoAlfa = true;
    QTemporaryDir folder;
    const std::string page = folder.filePath(QStringLiteral("informe.htm")).toStdString();
    for (auto _ : state) {
        if (const auto reason = render::writeReport(*exercise, options, page)) {
            state.SkipWithError(reason->c_str());
            break;
        }
    }
}
BENCHMARK(BM_Report99StepsAllOptions)->Unit(benchmark::kMillisecond);

} // namespace
