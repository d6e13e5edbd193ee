#include "largest_formula.h"

#include "zudaviror/trans.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using zudaviror::testing::largestFormulaWithinTheLimits;

void translate(benchmark::State& state, const std::string& formula) {
    if (!zudaviror::TRANS(formula).translated()) {
        state.SkipWithError("the formula was refused");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(zudaviror::TRANS(formula));
    }
    state.counters["codes"] = static_cast<double>(formula.size());
}

void BM_TransLargestFormula(benchmark::State& state) {
    translate(state, largestFormulaWithinTheLimits());
}
BENCHMARK(BM_TransLargestFormula)->Unit(benchmark::kMicrosecond);

void BM_TransWorkedExample(benchmark::State& state) {
    translate(state, "!(p+!q)");
}
BENCHMARK(BM_TransWorkedExample)->Unit(benchmark::kMicrosecond);

} // namespace
