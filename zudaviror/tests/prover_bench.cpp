// "¿Es válida?" at the limits: the first question's module load, and an answer in K and in S5
// (countermodel included) for formulas of eleven leaves and deep modal nesting.
#include "zudaviror/validity_question.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using zudaviror::ModalSystem;

// Eleven leaves, modal operators nested nine deep and the characteristic axioms of the systems.
const std::string kAtTheLimits = "((!\"!\"!\"!\"!p-\"!\"!\"!\"!p)+(!(p-q)-(!p-!q)))+((!r-r)+((s-!\"s),t))";
const std::string kAxiomK = "!(p-q)-(!p-!q)";

void firstQuestionLoadsTheModule(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(zudaviror::loadValidityProver().prover);
    }
}
BENCHMARK(firstQuestionLoadsTheModule)->Iterations(1)->Unit(benchmark::kMillisecond);

void answer(benchmark::State& state, ModalSystem system, const std::string& K) {
    for (auto _ : state) {
        const auto outcome = zudaviror::askValidity(K, system);
        if (!outcome.translation.translated() ||
            outcome.answer.verdict.validity == suite::Validity::Unknown) {
            state.SkipWithError(outcome.answer.verdict.reason.c_str());
        }
    }
}
BENCHMARK_CAPTURE(answer, KAtTheLimits, ModalSystem::K, kAtTheLimits)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(answer, S5AtTheLimits, ModalSystem::S5, kAtTheLimits)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(answer, KAxiomInK, ModalSystem::K, kAxiomK)->Unit(benchmark::kMillisecond);

} // namespace
