// What an exercise asks, read back from its file's graphs: statements compared as graphs, and
// written in logic signs.

#include "recording_workbench.h"
#include "test_support.h"

#include "osmira/check/statement.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace osmira;

namespace {

// Formulas as the tests type them: ~ & | >.
struct Formulas {
    std::vector<std::string> hypotheses;
    std::string conclusion;
};

Statement statementMade(const Formulas& formulas) {
    RecordingWorkbench workbench;
    return statementOf(*test::newExercise(formulas.hypotheses, formulas.conclusion, workbench));
}

struct ComparisonCase {
    const char* name;
    Formulas assigned;
    Formulas handedIn;
    bool same;
};

void PrintTo(const ComparisonCase& c, std::ostream* out) {
    *out << c.name;
}

class StatementComparison : public ::testing::TestWithParam<ComparisonCase> {};

TEST_P(StatementComparison, ComparesTheGraphsTheFormulasGive) {
    const ComparisonCase& c = GetParam();
    EXPECT_EQ(sameStatement(statementMade(c.assigned), statementMade(c.handedIn)), c.same);
}

const Formulas kModusPonens{{"A", "A>B"}, "B"};

INSTANTIATE_TEST_SUITE_P(
    Cases, StatementComparison,
    ::testing::Values(ComparisonCase{"AsAssigned", kModusPonens, kModusPonens, true},
                      ComparisonCase{"HypothesesInTheOtherOrder", kModusPonens, {{"A>B", "A"}, "B"}, true},
                      ComparisonCase{"SpeltWithParentheses", kModusPonens, {{"(A)", "(A)>(B)"}, "(B)"}, true},
                      ComparisonCase{"ConjunctionTurned", {{"(A&B)>C"}, "C"}, {{"(B&A)>C"}, "C"}, true},
                      ComparisonCase{"MadeTrivial", kModusPonens, {{"A>B"}, "A>B"}, false},
                      ComparisonCase{"HypothesisLeftOut", kModusPonens, {{"A>B"}, "B"}, false},
                      ComparisonCase{"HypothesisAdded", kModusPonens, {{"A", "A>B", "B"}, "B"}, false},
                      ComparisonCase{"OtherConclusion", kModusPonens, {{"A", "A>B"}, "A"}, false},
                      ComparisonCase{
                          "DoubleNegationIsNotTheLetter", kModusPonens, {{"~~A", "A>B"}, "B"}, false},
                      ComparisonCase{"ImplicationIsNotItsConverse", kModusPonens, {{"A", "B>A"}, "B"}, false},
                      ComparisonCase{"TheoremOfTheConclusion", {{}, "A|~A"}, {{"A|~A"}, ""}, false}),
    [](const ::testing::TestParamInfo<ComparisonCase>& info) { return std::string(info.param.name); });

struct TextCase {
    const char* name;
    Statement statement; // bracket forms
    std::string text;
};

void PrintTo(const TextCase& c, std::ostream* out) {
    *out << c.name;
}

class StatementText : public ::testing::TestWithParam<TextCase> {};

TEST_P(StatementText, WritesTheStatementInLogicSigns) {
    EXPECT_EQ(statementText(GetParam().statement), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StatementText,
    ::testing::Values(TextCase{"HypothesesAndConclusion", {"A[A[B]]", "B"}, "A, A→B ⊢ B"},
                      TextCase{"Theorem", {"", "[[A][[A]]]"}, "⊢ A∨(¬A)"},
                      TextCase{"WithoutConclusion", {"[[A][B]]", ""}, "A∨B (sin conclusión)"},
                      TextCase{"Neither", {"", ""}, "sin hipótesis ni conclusión"},
                      TextCase{"ConjunctionsOfTheConclusion", {"[A]", "[A]B"}, "¬A ⊢ (¬A)∧B"},
                      // No formula gives an empty cut, so a file's is shown as it is.
                      TextCase{"EmptyCut", {"A[]", "A"}, "A, [] ⊢ A"},
                      TextCase{"TooDeepForAFormula",
                               {std::string(201, '[') + "A" + std::string(201, ']'), "A"},
                               std::string(201, '[') + "A" + std::string(201, ']') + " ⊢ A"}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

} // namespace
