// Speed of the core on large diagrams and long exercises: laying out a diagram of about 400
// characters, applying each rule to it, saving and loading an exercise of 99 steps, and checking
// the derivation of one; refusing a file that declares more steps than it holds; the report's
// page of 10,000 steps.

#include "recording_workbench.h"
#include "test_support.h"

#include "osmira/archive/exercise_archive.h"
#include "osmira/bracket/bracket_form.h"
#include "osmira/check/derivation_check.h"
#include "osmira/model/layout.h"
#include "osmira/report/informe.h"
#include "osmira/rules/applicable_rules.h"
#include "osmira/rules/rule_request.h"

#include <benchmark/benchmark.h>

using namespace osmira;
using osmira::test::exerciseAt;

namespace {

// Letters, cuts, implications and disjunctions: 16 characters, 11 elements a repetition.
std::string largeBracketForm() {
    std::string bracket;
    while (bracket.size() < 400) {
        bracket += "A[A[C]]D[[E][F]]";
    }
    return bracket;
}

void buildLargeDiagram(benchmark::State& state) {
    std::string bracket = largeBracketForm();
    AppearanceSet appearances = defaultAppearances();
    for (auto _ : state) {
        COsmiraDoc diagram;
        BuildDiagram(diagram, appearances, bracket);
        benchmark::DoNotOptimize(diagram.GetElements().data());
    }
}
BENCHMARK(buildLargeDiagram)->Unit(benchmark::kMicrosecond);

// In the first repetition: 1 A on the sheet, 2 the cut beside it, 3 the copy of A inside that
// cut, which A on the sheet lets deiterate.
const RuleRequest kRequests[] = {{Rule::Erasure, 1, {}},
                                 {Rule::Insertion, 2, {}},
                                 {Rule::Iteration, 2, 1},
                                 {Rule::Deiteration, 3, {}},
                                 {Rule::DoubleCut, 1, {}}};

// Nested cuts [[[…]]]: layout and canonical form must grow linearly with the depth (they were
// quadratic: every cut's text was measured, every area's text rebuilt).
std::string nestedCuts(benchmark::State& state) {
    auto cuts = static_cast<std::size_t>(state.range(0));
    return std::string(cuts, '[') + std::string(cuts, ']');
}

void layOutNestedCuts(benchmark::State& state) {
    std::string bracket = nestedCuts(state);
    for (auto _ : state) {
        COsmiraDoc diagram;
        BuildDiagram(diagram, defaultAppearances(), bracket);
        benchmark::DoNotOptimize(diagram.GetElements().size());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(layOutNestedCuts)
    ->RangeMultiplier(4)
    ->Range(1 << 10, 1 << 16)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

void canonicalFormOfNestedCuts(benchmark::State& state) {
    std::string bracket = nestedCuts(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(canonicalJuxtaposition(bracket));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(canonicalFormOfNestedCuts)
    ->RangeMultiplier(4)
    ->Range(1 << 10, 1 << 16)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

void applyRuleToLargeDiagram(benchmark::State& state) {
    const RuleRequest& request = kRequests[state.range(0) - 1];
    std::string bracket = largeBracketForm();
    RecordingWorkbench workbench;
    workbench.formulaToInsert = "G\xAEH";
    for (auto _ : state) {
        state.PauseTiming();
        auto exercise = exerciseAt(bracket, workbench);
        workbench.calls.clear();
        state.ResumeTiming();
        if (requestRule(*exercise, request) != RuleOutcome::Committed) {
            state.SkipWithError("rule not committed");
        }
    }
}
BENCHMARK(applyRuleToLargeDiagram)->DenseRange(1, 5)->Unit(benchmark::kMicrosecond);

// What the status bar lists when the student selects an element of the largest exercise a student
// can start (98,000 letters among 393,000 elements): its last letter, whose text stands 3,800 times
// elsewhere. One frame, like everything that answers a click.
void rulesListedForALetterOfTheLargestExercise(benchmark::State& state) {
    RecordingWorkbench workbench;
    const std::string formula = osmira::test::longestDisjunction();
    auto exercise = osmira::test::newExercise(std::vector<std::string>(6, formula), formula, workbench);
    const CElemento& letter = *exercise->lastStep()->GetElements().back();
    for (auto _ : state) {
        benchmark::DoNotOptimize(applicableRules(*exercise, letter));
    }
}
BENCHMARK(rulesListedForALetterOfTheLargestExercise)->Unit(benchmark::kMillisecond);

// 99 steps on a diagram of about 60 characters: a double cut put around its first letter
// and taken away again.
std::unique_ptr<CEjercicio> ninetyNineSteps(RecordingWorkbench& workbench) {
    auto exercise = exerciseAt("A[B[C]]D[[E][F]]A[B[C]]D[[E][F]]A[B[C]]D[[E][F]]", workbench);
    for (std::size_t step = 1; step < 99; ++step) {
        if (requestRule(*exercise, {Rule::DoubleCut, 1, {}}) != RuleOutcome::Committed) {
            return nullptr;
        }
    }
    return exercise;
}

void saveNinetyNineSteps(benchmark::State& state) {
    RecordingWorkbench workbench;
    auto exercise = ninetyNineSteps(workbench);
    for (auto _ : state) {
        benchmark::DoNotOptimize(SaveExercise(*exercise));
    }
    state.counters["bytes"] = static_cast<double>(SaveExercise(*exercise).size());
}
BENCHMARK(saveNinetyNineSteps)->Unit(benchmark::kMicrosecond);

void loadNinetyNineSteps(benchmark::State& state) {
    RecordingWorkbench workbench;
    std::string bytes = SaveExercise(*ninetyNineSteps(workbench));
    for (auto _ : state) {
        ExerciseRead loaded = LoadExercise(bytes);
        if (!loaded.value) {
            state.SkipWithError("not loaded");
        }
        benchmark::DoNotOptimize(loaded.value.get());
        // Closing the exercise is not part of opening it.
        state.PauseTiming();
        loaded.value.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(loadNinetyNineSteps)->Unit(benchmark::kMicrosecond);

// 99 steps through every rule on a diagram of 34 elements; the iteration goes to the last cut,
// so checking it tries places across the whole diagram. The budget is 20 ms for such a file.
std::unique_ptr<CEjercicio> ninetyNineStepsThroughEveryRule(RecordingWorkbench& workbench) {
    const std::string hypotheses = "A[B[C]]D[[E][F]]A[B[C]]D[[E][F]]A[B[C]]D[[E][F]]";
    auto exercise = exerciseAt(hypotheses, workbench);
    exercise->SetHypotheses(hypotheses);
    exercise->SetConclusion("A");
    workbench.formulaToInsert = "A";
    const RuleRequest cycle[] = {{Rule::Iteration, 32, 1}, {Rule::Deiteration, 33, {}},
                                 {Rule::Insertion, 2, {}}, {Rule::Deiteration, 3, {}},
                                 {Rule::DoubleCut, 1, {}}, {Rule::DoubleCut, 1, {}}};
    for (std::size_t step = 1; step < 99; ++step) {
        if (requestRule(*exercise, cycle[(step - 1) % std::size(cycle)]) != RuleOutcome::Committed) {
            return nullptr;
        }
    }
    return exercise;
}

// Reading and checking one handed-in file, as osmira-cli verify does for each file of a folder
// (1,000 such files have 30 s).
void verifyNinetyNineStepFile(benchmark::State& state) {
    RecordingWorkbench workbench;
    auto made = ninetyNineStepsThroughEveryRule(workbench);
    if (!made) {
        state.SkipWithError("derivation not made");
        return;
    }
    std::string bytes = SaveExercise(*made);
    for (auto _ : state) {
        ExerciseRead read = LoadExercise(bytes);
        DerivationCheck check = checkDerivation(*read.value);
        if (!check.valid) {
            state.SkipWithError("derivation not valid");
        }
        benchmark::DoNotOptimize(check.steps);
    }
}
BENCHMARK(verifyNinetyNineStepFile)->Unit(benchmark::kMillisecond);

// 150 MB declaring ten million steps of 15 bytes, none with the sheet every diagram has: made
// step by step they took 2.8 GB and 5-18 s before the first was refused.
void refuseTenMillionEmptySteps(benchmark::State& state) {
    constexpr std::int32_t kSteps = 10'000'000;
    const std::string noSteps = SaveExercise(CEjercicio());
    const std::size_t countAt = noSteps.size() - 3 * 20 - 4; // the appearance blocks close the file
    std::string bytes = noSteps.substr(0, countAt);
    for (int shift = 0; shift < 32; shift += 8) {
        bytes += static_cast<char>(kSteps >> shift & 0xFF);
    }
    // Identity 1, three empty texts, rule 0, no elements.
    const std::string emptyStep("\1\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 15);
    bytes.reserve(bytes.size() + kSteps * emptyStep.size() + 60);
    for (std::int32_t i = 0; i < kSteps; ++i) {
        bytes += emptyStep;
    }
    bytes += noSteps.substr(noSteps.size() - 3 * 20);
    for (auto _ : state) {
        ExerciseRead read = LoadExercise(bytes);
        if (read.value) {
            state.SkipWithError("read");
        }
        benchmark::DoNotOptimize(read.reason.data());
    }
}
BENCHMARK(refuseTenMillionEmptySteps)->Unit(benchmark::kMillisecond);

// Pictures are the front end's; the page alone.
class NoPictures : public ReportPictureWriter {
  public:
    std::optional<std::string> writeDiagram(const std::string&, const COsmiraDoc&) override { return {}; }
    std::optional<std::string> writeDrawing(const std::string&, int, int,
                                            const std::function<void(Canvas&)>&) override {
        return {};
    }
};

// 10,000 steps with their comments: the page searched the whole text again for each step's
// placeholders, which made it quadratic in the steps.
void reportPageOfTenThousandSteps(benchmark::State& state) {
    RecordingWorkbench workbench;
    auto exercise = exerciseAt("A[B[C]]D[[E][F]]", workbench);
    for (std::size_t step = 1; step < 10'000; ++step) {
        if (requestRule(*exercise, {Rule::DoubleCut, 1, {}}) != RuleOutcome::Committed) {
            state.SkipWithError("derivation not made");
            return;
        }
        exercise->lastStep()->SetComment(exercise->GetSteps().front()->GetComment());
    }
    Informe informe(*exercise);
    informe.SetOptions(ReportOptions{true, true, true, true, true, true, true, true});
    NoPictures pictures;
    for (auto _ : state) {
        benchmark::DoNotOptimize(informe.generate("", pictures).page.data());
    }
}
BENCHMARK(reportPageOfTenThousandSteps)->Unit(benchmark::kMillisecond);

} // namespace
