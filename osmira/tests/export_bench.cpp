// The teachers' exports: a derivation of 99 steps as a LaTeX document (a figure a step), and
// verify's class page and CSV over 200 handed-in files of 30 steps.

#include "cli_support.h"
#include "recording_workbench.h"
#include "test_support.h"

#include "osmira/archive/exercise_archive.h"
#include "osmira/export/latex_document.h"
#include "osmira/rules/rule_request.h"
#include "suite_testing/scratch_folder.h"

#include <benchmark/benchmark.h>

#include <filesystem>

using namespace osmira;

namespace {

void latexExportNinetyNineSteps(benchmark::State& state) {
    RecordingWorkbench workbench;
    const auto exercise = test::ninetyNineStepExercise(workbench);
    for (auto _ : state) {
        const std::string document = latexDocument(*exercise);
        benchmark::DoNotOptimize(document.data());
    }
}
BENCHMARK(latexExportNinetyNineSteps)->Unit(benchmark::kMillisecond);

// 30 steps from A toward B, double cuts put around A and taken away, saved 200 times.
void writeClass(const std::filesystem::path& folder) {
    RecordingWorkbench workbench;
    auto exercise = test::newExercise({"A"}, "B", workbench);
    for (int step = 1; step < 30; ++step) {
        requestRule(*exercise, {Rule::DoubleCut, 1, std::nullopt});
    }
    const std::string bytes = SaveExercise(*exercise);
    std::filesystem::create_directory(folder / "clase");
    for (int student = 0; student < 200; ++student) {
        suite::testing::writeFile(folder / "clase" / ("alumno" + std::to_string(student) + ".omr"), bytes);
    }
}

void classPageTwoHundredFiles(benchmark::State& state) {
    suite::testing::ScratchFolder folder;
    writeClass(folder.path());
    for (auto _ : state) {
        const test::CliOutcome run =
            test::runCli({"verify", "--html", (folder / "clase.htm").string(), "--csv",
                          (folder / "clase.csv").string(), (folder / "clase").string()});
        if (run.status != 0) {
            state.SkipWithError(run.err.c_str());
        }
    }
}
BENCHMARK(classPageTwoHundredFiles)->Unit(benchmark::kMillisecond);

} // namespace
