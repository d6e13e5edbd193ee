// "¿Es válida?": the first question's module load, and answers (a countermodel included) for
// formulas of a student's size over two universes with functions, valid and not valid.
#include "many_sorted_formulas.h"

#include "varquen/translation_reader.h"
#include "varquen/validity_question.h"

#include <benchmark/benchmark.h>

namespace {

const varquen::Declarations kDeclarations{
    {"A", "B"}, {"x:1", "y:1", "z:2", "w:2"}, {"c:1", "f:1,2", "g:2,1,2", "p:0,1"}, {"R:1", "S:2"}};

// Quantifiers swapped, the drinker, functions into their universes, disjoint universes.
const std::string kValid = "and and imp existe z paratodo x S x z paratodo x existe z S x z "
                           "existe x imp p x paratodo y p y "
                           "and paratodo z A f g f z w paratodo x not e x g c z";
// The converse swap, a function taken for a constant, a relation read backwards.
const std::string kNotValid = "or or imp paratodo x existe z S x z existe z paratodo x S x z "
                              "e f g x z c "
                              "imp S x z S z x";

varquen::FirstOrderProblem problemOf(const std::string& formula) {
    varquen::SilentNotifier notifier;
    return *varquen::validityProblem(kDeclarations, formula, notifier).value;
}

void firstQuestionLoadsTheModule(benchmark::State& state) {
    const varquen::FirstOrderProblem problem = problemOf("e x x");
    for (auto _ : state) {
        benchmark::DoNotOptimize(varquen::askProver(problem));
    }
}
BENCHMARK(firstQuestionLoadsTheModule)->Iterations(1)->Unit(benchmark::kMillisecond);

void answer(benchmark::State& state, const std::string& formula, suite::Validity expected) {
    const varquen::FirstOrderProblem problem = problemOf(formula);
    for (auto _ : state) {
        const varquen::ValidityAnswer answer = varquen::askProver(problem);
        if (answer.verdict.validity != expected) {
            state.SkipWithError(("unexpected verdict: " + suite::verdictLine(answer.verdict)).c_str());
        }
    }
}
BENCHMARK_CAPTURE(answer, ManySortedValid, kValid, suite::Validity::Valid)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(answer, ManySortedNotValid, kNotValid, suite::Validity::NotValid)
    ->Unit(benchmark::kMillisecond);

// The worst questions: each must end within the time limit and a tenth.
varquen::FirstOrderProblem tenVariablesBeyondEverySmallDomain() {
    const varquen::testing::QuestionText question = varquen::testing::tenVariablesBeyondEverySmallDomain();
    varquen::SilentNotifier notifier;
    return *varquen::validityProblem(question.declarations, question.formula, notifier).value;
}

varquen::FirstOrderProblem manyUniverses() {
    varquen::Declarations declarations{{}, {"x:1"}, {}, {"p:1"}};
    for (int u = 0; u < 255; ++u) {
        declarations.universes.push_back("U" + std::string{char('a' + u / 26), char('a' + u % 26)});
    }
    varquen::SilentNotifier notifier;
    return *varquen::validityProblem(declarations, "p x", notifier).value;
}

void answerWithinTheLimit(benchmark::State& state, varquen::FirstOrderProblem (*problem)()) {
    const varquen::FirstOrderProblem asked = problem();
    for (auto _ : state) {
        benchmark::DoNotOptimize(varquen::askProver(asked));
    }
}
BENCHMARK_CAPTURE(answerWithinTheLimit, TenVariablesBeyondEverySmallDomain,
                  tenVariablesBeyondEverySmallDomain)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(answerWithinTheLimit, TwoHundredFiftyFiveUniverses, manyUniverses)
    ->Unit(benchmark::kMillisecond);

} // namespace
