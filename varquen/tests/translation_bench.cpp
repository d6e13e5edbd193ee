// Translation of formulas near the 4095-character limit: deeply nested and long and flat.
#include "varquen/translation.h"

#include <benchmark/benchmark.h>

namespace {

struct SilentNotifier : varquen::Notifier {
    void showMessage(const std::string&, const std::string&) override {}
};

void translate(benchmark::State& state, const varquen::Declarations& declarations,
               const std::string& formula) {
    SilentNotifier notifier;
    for (auto _ : state) {
        const auto translation = varquen::translateFormula(declarations, formula, false, notifier);
        if (translation.error != varquen::ParseError::None) {
            state.SkipWithError("the benchmark formula did not translate");
            break;
        }
        benchmark::DoNotOptimize(translation.output.data());
    }
    state.SetLabel(std::to_string(formula.size()) + " characters");
}

// 300 nested quantifiers and conjunctions, then 250 negations: paratodo x and p x ... not not p x
void BM_DeeplyNested(benchmark::State& state) {
    std::string formula;
    for (int i = 0; i < 150; ++i) {
        formula += "paratodo x and p x ";
    }
    for (int i = 0; i < 250; ++i) {
        formula += "not ";
    }
    formula += "p x";
    translate(state, {{"A"}, {"x:1"}, {}, {"p:1"}}, formula);
}
BENCHMARK(BM_DeeplyNested);

// One relation with 1,990 arguments: R x x x ... x
void BM_LongAndFlat(benchmark::State& state) {
    std::string formula = "existe x R";
    for (int i = 0; i < 1990; ++i) {
        formula += " x";
    }
    translate(state, {{"A"}, {"x:1"}, {}, {"R:1990"}}, formula);
}
BENCHMARK(BM_LongAndFlat);

} // namespace
