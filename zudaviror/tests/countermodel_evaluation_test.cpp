// Textbook countermodels with the truth value of every subformula at every world worked out by
// hand: parts before wholes, the whole formula last and false at the failing world.
#include "zudaviror/countermodel_evaluation.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace zudaviror {

namespace {

struct Row {
    const char* signs;
    const char* values; // a letter per world: V true, F false
};

struct EvaluationCase {
    const char* name;
    const char* K;
    KripkeModel model;
    std::vector<Row> rows;
};

void PrintTo(const EvaluationCase& c, std::ostream* out) {
    *out << c.name;
}

const EvaluationCase kCases[] = {
    {"AxiomTInKOneWorldNoArrows", "!p-p", {1, {}, {""}, 0}, {{"p", "F"}, {"□p", "V"}, {"□p→p", "F"}}},
    {"PossibleIsNotNecessaryInK",
     "\"p-!p",
     {3, {{0, 1}, {0, 2}}, {"", "p", ""}, 0},
     {{"p", "FVF"}, {"◇p", "VFF"}, {"□p", "FVV"}, {"◇p→□p", "FVV"}}},
    {"Axiom4InTChainOfThree",
     "!p-!!p",
     {3, {{0, 0}, {0, 1}, {1, 1}, {1, 2}, {2, 2}}, {"p", "p", ""}, 0},
     {{"p", "VVF"}, {"□p", "VFF"}, {"□□p", "FFF"}, {"□p→□□p", "FVV"}}},
    {"Axiom5InS4",
     "\"p-!\"p",
     {2, {{0, 0}, {0, 1}, {1, 1}}, {"p", ""}, 0},
     {{"p", "VF"}, {"◇p", "VF"}, {"□◇p", "FF"}, {"◇p→□◇p", "FV"}}},
    {"FalsumVariablesAndEveryConnective",
     "(%+p).(#*,\"$)",
     {2, {{1, 0}}, {"%", "$"}, 0},
     {{"φ", "VF"},
      {"p", "FF"},
      {"φ∧p", "FF"},
      {"⊥", "FF"},
      {"¬⊥", "VV"},
      {"ψ", "FV"},
      {"◇ψ", "FF"},
      {"¬⊥∨◇ψ", "VV"},
      {"(φ∧p)↔(¬⊥∨◇ψ)", "FF"}}},
    {"NotAKeypadFormula", "p+", {1, {}, {""}, 0}, {}},
};

class CountermodelEvaluation : public ::testing::TestWithParam<EvaluationCase> {};

TEST_P(CountermodelEvaluation, GivesEverySubformulaItsValueAtEveryWorld) {
    const EvaluationCase& c = GetParam();
    std::vector<std::pair<std::string, std::string>> found;
    for (const SubformulaValues& row : evaluateCountermodel(c.K, c.model)) {
        std::string values;
        for (const bool value : row.values) {
            values += value ? 'V' : 'F';
        }
        found.emplace_back(row.signs, values);
    }
    std::vector<std::pair<std::string, std::string>> expected;
    for (const Row& row : c.rows) {
        expected.emplace_back(row.signs, row.values);
    }
    EXPECT_EQ(found, expected);
}

INSTANTIATE_TEST_SUITE_P(Textbook, CountermodelEvaluation, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zudaviror
