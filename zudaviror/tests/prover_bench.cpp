// "¿Es válida?" decided by the tableau: formulas at the keypad's limits in K and S5, valid and not
// (countermodel included); the median and the slowest answer over the table of axioms in the six
// systems; the slowest answer over random formulas at the limits in each system.
#include "modal_axioms.h"
#include "relational_oracle.h"

#include "zudaviror/validity_question.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <string>
#include <vector>

namespace {

using zudaviror::ModalSystem;

// Eleven leaves, modal operators nested nine deep and the characteristic axioms of the systems.
const std::string kAtTheLimits = "((!\"!\"!\"!\"!p-\"!\"!\"!\"!p)+(!(p-q)-(!p-!q)))+((!r-r)+((s-!\"s),t))";
// Eleven leaves again, not valid in any system: a countermodel of one world.
const std::string kNotValidAtTheLimits = "(((\"p+\"q)+(\"r+!\"s))+!(t-p))-\"\"((p+t)+(q,(r+s)))";

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
BENCHMARK_CAPTURE(answer, KNotValidAtTheLimits, ModalSystem::K, kNotValidAtTheLimits)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(answer, S5NotValidAtTheLimits, ModalSystem::S5, kNotValidAtTheLimits)
    ->Unit(benchmark::kMillisecond);

double secondsToAnswer(const std::string& K, ModalSystem system) {
    const auto begin = std::chrono::steady_clock::now();
    const auto outcome = zudaviror::askValidity(K, system);
    benchmark::DoNotOptimize(outcome.answer.verdict.validity);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
}

std::vector<double> axiomTableSeconds() {
    std::vector<double> seconds;
    for (const auto& row : zudaviror::oracle::kAxioms) {
        for (const ModalSystem system : zudaviror::modalSystems()) {
            seconds.push_back(secondsToAnswer(row.K, system));
        }
    }
    std::sort(seconds.begin(), seconds.end());
    return seconds;
}

void axiomTableMedian(benchmark::State& state) {
    for (auto _ : state) {
        const std::vector<double> seconds = axiomTableSeconds();
        state.SetIterationTime(seconds[seconds.size() / 2]);
    }
}
BENCHMARK(axiomTableMedian)->UseManualTime()->Unit(benchmark::kMillisecond);

void axiomTableSlowest(benchmark::State& state) {
    for (auto _ : state) {
        state.SetIterationTime(axiomTableSeconds().back());
    }
}
BENCHMARK(axiomTableSlowest)->UseManualTime()->Unit(benchmark::kMillisecond);

// The slowest of 100 random formulas of eleven leaves (the keypad's most) in the system.
void slowestRandomAtTheLimits(benchmark::State& state, ModalSystem system) {
    std::vector<std::string> formulas;
    std::mt19937 random(20261210);
    while (formulas.size() < 100) {
        const std::string K = zudaviror::oracle::spell(*zudaviror::oracle::randomFormula(random, 11));
        if (zudaviror::TRANS(K).translated()) {
            formulas.push_back(K);
        }
    }
    for (auto _ : state) {
        double slowest = 0;
        for (const std::string& K : formulas) {
            slowest = std::max(slowest, secondsToAnswer(K, system));
        }
        state.SetIterationTime(slowest);
    }
}
BENCHMARK_CAPTURE(slowestRandomAtTheLimits, K, ModalSystem::K)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(slowestRandomAtTheLimits, D, ModalSystem::D)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(slowestRandomAtTheLimits, T, ModalSystem::T)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(slowestRandomAtTheLimits, B, ModalSystem::B)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(slowestRandomAtTheLimits, S4, ModalSystem::S4)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(slowestRandomAtTheLimits, S5, ModalSystem::S5)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
