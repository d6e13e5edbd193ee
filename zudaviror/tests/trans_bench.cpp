#include "zudaviror/trans.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// Eleven leaves, each under nineteen alternating modal operators, joined as
// ((((l+l)+l)+...)+l) and lengthened with negations to the full 255 codes: every
// limit of the translation reached at once.
std::string largestFormulaWithinTheLimits() {
    const std::string letters = "pqrstpqrstp";
    std::string leaves[11];
    for (int i = 0; i < 11; ++i) {
        for (int depth = 0; depth < 19; ++depth) {
            leaves[i] += depth % 2 == 0 ? '!' : '"';
        }
        leaves[i] += letters[i];
    }
    for (int i = 0; i < 7; ++i) {
        leaves[i] = "#" + leaves[i];
    }
    std::string formula = leaves[0];
    for (int i = 1; i < 10; ++i) {
        formula = "(" + formula + "+" + leaves[i] + ")";
    }
    return formula + "-" + leaves[10];
}

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
