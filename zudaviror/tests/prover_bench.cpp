// "¿Es válida?" at the limits: the first question's module load, and an answer in K and in S5
// for formulas of eleven leaves and deep modal nesting, valid and not (countermodel included).
#include "zudaviror/validity_question.h"

#include <benchmark/benchmark.h>

#include <dlfcn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>

namespace {

using zudaviror::ModalSystem;

// Eleven leaves, modal operators nested nine deep and the characteristic axioms of the systems.
const std::string kAtTheLimits = "((!\"!\"!\"!\"!p-\"!\"!\"!\"!p)+(!(p-q)-(!p-!q)))+((!r-r)+((s-!\"s),t))";
// Eleven leaves again, not valid in any system: a countermodel of one world, which an unbounded
// search in S5 does not find within the time limit.
const std::string kNotValidAtTheLimits = "(((\"p+\"q)+(\"r+!\"s))+!(t-p))-\"\"((p+t)+(q,(r+s)))";
const std::string kAxiomK = "!(p-q)-(!p-!q)";

// Seconds a fresh process takes to load the module (and Z3 with it) and find its entry; negative
// when it cannot. A module is never unloaded, so each first load needs a process of its own.
double firstLoadInChild(const std::string& file) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return -1;
    }
    const pid_t child = fork();
    if (child == 0) {
        const auto begin = std::chrono::steady_clock::now();
        void* module = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
        const bool found = module != nullptr && dlsym(module, zudaviror::kProverEntry) != nullptr;
        const double seconds =
            found ? std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count() : -1;
        _exit(write(pipeEnds[1], &seconds, sizeof seconds) == sizeof seconds ? 0 : 1);
    }
    double seconds = -1;
    if (child < 0 || read(pipeEnds[0], &seconds, sizeof seconds) != sizeof seconds) {
        seconds = -1;
    }
    waitpid(child, nullptr, 0);
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    return seconds;
}

void firstQuestionLoadsTheModule(benchmark::State& state) {
    const std::string file = zudaviror::validityProverFile().string();
    for (auto _ : state) {
        const double seconds = firstLoadInChild(file);
        if (seconds < 0) {
            state.SkipWithError("the prover module could not be loaded");
            break;
        }
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(firstQuestionLoadsTheModule)->UseManualTime()->Unit(benchmark::kMillisecond);

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
BENCHMARK_CAPTURE(answer, KAxiomInK, ModalSystem::K, kAxiomK)->Unit(benchmark::kMillisecond);

} // namespace
