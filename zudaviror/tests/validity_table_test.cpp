// "¿Es válida?" decided by the tableau: the characteristic axioms of the systems and their
// failures, every proof read by an independent checker and every countermodel checked by
// evaluating the formula in it and by its worlds, as few as the formula's countermodels can have.
#include "kripke_evaluation.h"
#include "tableau_check.h"

#include "zudaviror/tableau_text.h"
#include "zudaviror/validity_question.h"

#include <gtest/gtest.h>

#include <ostream>
#include <stop_token>
#include <string>
#include <vector>

namespace zudaviror {

namespace {

using suite::Validity;

struct ValidityCase {
    const char* name;
    const char* K;
    ModalSystem system;
    Validity expected;
    std::size_t worlds = 0; // of the smallest countermodel, when not valid
};

void PrintTo(const ValidityCase& c, std::ostream* out) {
    *out << c.name;
}

constexpr const char* kAxiomK = "!(p-q)-(!p-!q)";
constexpr const char* kAxiomT = "!p-p";
constexpr const char* kAxiom4 = "!p-!!p";
constexpr const char* kAxiomB = "p-!\"p";
constexpr const char* kAxiom5 = "\"p-!\"p";
constexpr const char* kAxiomD = "!p-\"p";

constexpr Validity V = Validity::Valid;
constexpr Validity N = Validity::NotValid;

// The standard axioms, their duals and the laws that tell the systems apart, each with its
// answer in K, D, T, B, S4 and S5 as the textbooks give it.
struct AxiomRow {
    const char* name;
    const char* K;
    Validity expected[6];
};

const AxiomRow kAxioms[] = {
    {"K", kAxiomK, {V, V, V, V, V, V}},
    {"D", kAxiomD, {N, V, V, V, V, V}},
    {"DDual", "\"#*", {N, V, V, V, V, V}},
    {"T", kAxiomT, {N, N, V, V, V, V}},
    {"TDual", "p-\"p", {N, N, V, V, V, V}},
    {"Four", kAxiom4, {N, N, N, N, V, V}},
    {"FourDual", "\"\"p-\"p", {N, N, N, N, V, V}},
    {"B", kAxiomB, {N, N, N, V, N, V}},
    {"BDual", "\"!p-p", {N, N, N, V, N, V}},
    {"Five", kAxiom5, {N, N, N, N, N, V}},
    {"FiveDual", "\"!p-!p", {N, N, N, N, N, V}},
    {"McKinsey", "!\"p-\"!p", {N, N, N, N, N, N}},
    {"Loeb", "!(!p-p)-!p", {N, N, N, N, N, N}},
    {"Grz", "!(!(p-!p)-p)-p", {N, N, N, N, N, N}},
    // ◇□p→□◇p holds on symmetric frames.
    {"Geach", "\"!p-!\"p", {N, N, N, V, N, V}},
    {"Linearity", "!(!p-q),!(!q-p)", {N, N, N, N, N, V}},
    {"Collapse", "p-!p", {N, N, N, N, N, N}},
    {"S4BoxReduction", "!!p.!p", {N, N, N, N, V, V}},
    {"S4DiamondReduction", "\"\"p.\"p", {N, N, N, N, V, V}},
    {"S5BoxReduction", "\"!p.!p", {N, N, N, N, N, V}},
    {"S5DiamondReduction", "!\"p.\"p", {N, N, N, N, N, V}},
    {"DiamondOverDisjunction", "\"(p,q).(\"p,\"q)", {V, V, V, V, V, V}},
    {"BoxOverConjunction", "!(p+q).(!p+!q)", {V, V, V, V, V, V}},
    {"DiamondOverConjunction", "(\"p+\"q)-\"(p+q)", {N, N, N, N, N, N}},
    {"BoxOverDisjunction", "!(p,q)-(!p,!q)", {N, N, N, N, N, N}},
    {"NoImpossibleWorld", "#\"*", {V, V, V, V, V, V}},
};

std::vector<ValidityCase> axiomCases() {
    std::vector<ValidityCase> cases;
    for (const AxiomRow& row : kAxioms) {
        for (std::size_t system = 0; system < 6; ++system) {
            cases.push_back({row.name, row.K, kModalSystems[system], row.expected[system]});
        }
    }
    return cases;
}

// Countermodels with the fewest worlds there are, and formulas that took Z3 past its limit.
const ValidityCase kCases[] = {
    {"TInK", kAxiomT, ModalSystem::K, N, 1},
    {"TInD", kAxiomT, ModalSystem::D, N, 2},
    {"DInK", kAxiomD, ModalSystem::K, N, 1},
    {"FourInT", kAxiom4, ModalSystem::T, N, 3},
    {"FourInB", kAxiom4, ModalSystem::B, N, 3},
    {"BInS4", kAxiomB, ModalSystem::S4, N, 2},
    {"FiveInB", kAxiom5, ModalSystem::B, N, 3},
    {"FiveInS4", kAxiom5, ModalSystem::S4, N, 2},
    {"McKinseyInS4", "!\"p-\"!p", ModalSystem::S4, N, 2},
    {"McKinseyInS5", "!\"p-\"!p", ModalSystem::S5, N, 2},
    {"FalsumInS5", "*", ModalSystem::S5, N, 1},
    {"NotFalsumInK", "#*", ModalSystem::K, V},
    {"FormulaVariableInK", "!%-%", ModalSystem::K, N, 1},
    {"FormulaVariableInT", "!%-%", ModalSystem::T, V},
    // The predicate of s is written S, like the relation.
    {"LetterSInT", "!s-s", ModalSystem::T, V},
    {"LetterSInK", "s-!s", ModalSystem::K, N, 2},
    {"DeepInS4", "\"(\"!!q.q)", ModalSystem::S4, V},
    {"DeepInT", "\"\"\"(q.!\"\"q)", ModalSystem::T, V},
    {"DeepInB", "!q.!\"!\"!\"!q", ModalSystem::B, V},
    {"DeepInS5", "!q.!\"!\"\"!q", ModalSystem::S5, V},
    {"DeepInD", "\"!!##\"\"(!!\"s-\"\"\"s)", ModalSystem::D, V},
    {"FiveWorldsInT", "\"\"(\"\"#!\"(r.!!r)-r)", ModalSystem::T, N, 5},
    {"NearTheLimitInS4", "\"\"\"!p-\"(\"p.!p)", ModalSystem::S4, V},
};

class ValidityTable : public ::testing::TestWithParam<ValidityCase> {};

// Every proof read by the independent checker, every countermodel evaluated and its frame checked.
TEST_P(ValidityTable, DecidesWithACheckedProofOrACountermodel) {
    const ValidityCase& c = GetParam();
    const ValidityOutcome outcome = askValidity(c.K, c.system);
    ASSERT_TRUE(outcome.translation.translated());
    ASSERT_EQ(outcome.answer.verdict.validity, c.expected) << outcome.answer.verdict.reason;
    if (c.expected == Validity::Valid) {
        EXPECT_EQ(oracle::closedTableauFault(c.K, outcome.tableau, c.system), "")
            << tableauText(outcome.tableau);
        return;
    }
    ASSERT_TRUE(outcome.answer.countermodel);
    const KripkeModel& model = *outcome.answer.countermodel;
    ASSERT_LT(model.failingWorld, model.worldCount);
    EXPECT_FALSE(oracle::holdsAt(c.K, model, model.failingWorld)) << countermodelText(model);
    EXPECT_TRUE(oracle::meetsConditions(model, c.system)) << countermodelText(model);
    if (c.worlds != 0) {
        EXPECT_EQ(model.worldCount, c.worlds) << countermodelText(model);
    }
}

std::string caseName(const ::testing::TestParamInfo<ValidityCase>& info) {
    return std::string(info.param.name) + std::string(systemName(info.param.system));
}

INSTANTIATE_TEST_SUITE_P(Axioms, ValidityTable, ::testing::ValuesIn(axiomCases()), caseName);
INSTANTIATE_TEST_SUITE_P(Systems, ValidityTable, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ValidityQuestion, AQuestionGivenUpIsUnknownWithItsReason) {
    const std::string_view K = "#!#!##\"##!!##!\"#\"!#\"!#\"\"#\"(*-\"$)";
    const ValidityOutcome late = askValidity(K, ModalSystem::T, std::chrono::milliseconds(0));
    EXPECT_EQ(late.answer.verdict.validity, Validity::Unknown);
    EXPECT_EQ(late.answer.verdict.reason, suite::kTimeLimitReason);
    std::stop_source stop;
    stop.request_stop();
    const ValidityOutcome cancelled =
        askValidity(K, ModalSystem::T, std::chrono::seconds(2), stop.get_token());
    EXPECT_EQ(cancelled.answer.verdict.reason, suite::kCancelledReason);
    EXPECT_FALSE(cancelled.answer.countermodel);
}

} // namespace

} // namespace zudaviror
