// Speed of the tutor within its bounds (four letters, six hypotheses, a conclusion of twelve
// connectives): deciding whether an exercise can be done, finding a derivation for each
// exercise of a table, and the hint's next step. Each derivation's length is its `steps` counter.

#include "recording_workbench.h"
#include "test_support.h"

#include "osmira/formula/formula_entry.h"
#include "osmira/tutor/derivability.h"
#include "osmira/tutor/derivation_search.h"

#include <benchmark/benchmark.h>

using namespace osmira;

namespace {

struct BenchExercise {
    std::vector<std::string> hypotheses;
    std::string conclusion;
};

// Derivable exercises, from modus ponens to the widest the bounds allow.
const std::vector<BenchExercise> kExercises = {
    {{"A", "A>B"}, "B"},
    {{"A>B", "B>C", "C>D"}, "A>D"},
    {{"(A>B)&(C>D)", "A|C"}, "B|D"},
    {{"~(A&B)"}, "~A|~B"},
    {{"A&(B|C)"}, "(A&B)|(A&C)"},
    {{"A|B", "~A|B", "A|~B", "~A|~B"}, "C&D"},
    {{"C"}, "(((A>B)>A)>A)&((A>B)|(B>A))"},
    {{"A>B", "B>C", "C>D", "D>A", "A|C", "~(B&D)"}, "(A|B)&(C|D)"},
    {{"A|B", "C|D", "A>C", "B>D", "~(C&D)", "(C>A)&(D>B)"}, "(A&C&~B&~D)|(B&D&~A&~C)"},
    {{"D"}, "A>(B>(C>(D>(A>(B>(C>(D>(A>(B>(C>D))))))))))"},
    {{"D"}, "((A|B)&(C|D))>((A&C)|(A&D)|(B&C)|(B&D))"},
};

std::unique_ptr<CEjercicio> benchExercise(const BenchExercise& data, RecordingWorkbench& workbench) {
    return test::newExercise(data.hypotheses, data.conclusion, workbench);
}

void decideTheWidestExercise(benchmark::State& state) {
    RecordingWorkbench workbench;
    auto exercise = benchExercise(kExercises.back(), workbench);
    for (auto _ : state) {
        benchmark::DoNotOptimize(decideDerivability(*exercise));
    }
}
BENCHMARK(decideTheWidestExercise)->Unit(benchmark::kMicrosecond);

// The largest exercise a student can start (Nuevo's six hypotheses and conclusion, each a
// disjunction as long as the formula field holds): deciding it must stay linear in its depth.
void decideTheLargestExercise(benchmark::State& state) {
    RecordingWorkbench workbench;
    const std::string disjunction = test::longestDisjunction();
    auto exercise =
        test::newExercise(std::vector<std::string>(kHypothesisSlots, disjunction), disjunction, workbench);
    for (auto _ : state) {
        benchmark::DoNotOptimize(decideDerivability(*exercise));
    }
}
BENCHMARK(decideTheLargestExercise)->Unit(benchmark::kMillisecond);

void findDerivationOfTableExercise(benchmark::State& state) {
    RecordingWorkbench workbench;
    auto exercise = benchExercise(kExercises[static_cast<std::size_t>(state.range(0))], workbench);
    std::size_t steps = 0;
    for (auto _ : state) {
        DerivationSearch search = findDerivation(*exercise);
        if (search.outcome != SearchOutcome::Found) {
            state.SkipWithError("no derivation found");
            break;
        }
        steps = search.steps.size();
    }
    state.counters["steps"] = static_cast<double>(steps);
}
BENCHMARK(findDerivationOfTableExercise)
    ->DenseRange(0, static_cast<int>(kExercises.size()) - 1)
    ->Unit(benchmark::kMillisecond);

// A ⊢ A∨B∨…∨J with 100 terms: refused as too large for the tutor, not searched for minutes.
void refuseTheHundredTermDisjunction(benchmark::State& state) {
    std::string disjunction = "A";
    for (int term = 1; term < 100; ++term) {
        disjunction += std::string("|") + static_cast<char>('A' + term % 10);
    }
    RecordingWorkbench workbench;
    auto exercise = test::newExercise({"A"}, disjunction, workbench);
    for (auto _ : state) {
        if (findDerivation(*exercise).outcome != SearchOutcome::TooLarge) {
            state.SkipWithError("not refused as too large");
            break;
        }
    }
}
BENCHMARK(refuseTheHundredTermDisjunction)->Unit(benchmark::kMillisecond);

// A hint asked for afresh each time (a new tutor knows no derivation yet).
void nextStepOfTheWidestExercise(benchmark::State& state) {
    RecordingWorkbench workbench;
    auto exercise = benchExercise(kExercises.back(), workbench);
    for (auto _ : state) {
        Tutor tutor;
        benchmark::DoNotOptimize(tutor.derivation(*exercise));
    }
}
BENCHMARK(nextStepOfTheWidestExercise)->Unit(benchmark::kMillisecond);

} // namespace
