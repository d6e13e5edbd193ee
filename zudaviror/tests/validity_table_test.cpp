// "¿Es válida?" through the loaded prover module: the characteristic axioms of the systems and
// their failures, and every countermodel checked by evaluating the formula in it and by its worlds,
// as few as the formula's countermodels can have.
#include "kripke_evaluation.h"

#include "zudaviror/validity_question.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

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

const ValidityCase kCases[] = {
    {"KInK", kAxiomK, ModalSystem::K, Validity::Valid},
    {"TInK", kAxiomT, ModalSystem::K, Validity::NotValid, 1},
    {"TInD", kAxiomT, ModalSystem::D, Validity::NotValid, 2},
    {"TInT", kAxiomT, ModalSystem::T, Validity::Valid},
    {"DInK", kAxiomD, ModalSystem::K, Validity::NotValid, 1},
    {"DInD", kAxiomD, ModalSystem::D, Validity::Valid},
    {"DInT", kAxiomD, ModalSystem::T, Validity::Valid},
    {"FourInT", kAxiom4, ModalSystem::T, Validity::NotValid, 3},
    {"FourInB", kAxiom4, ModalSystem::B, Validity::NotValid, 3},
    {"FourInS4", kAxiom4, ModalSystem::S4, Validity::Valid},
    {"BInS4", kAxiomB, ModalSystem::S4, Validity::NotValid, 2},
    {"BInB", kAxiomB, ModalSystem::B, Validity::Valid},
    {"FiveInB", kAxiom5, ModalSystem::B, Validity::NotValid, 3},
    {"FiveInS4", kAxiom5, ModalSystem::S4, Validity::NotValid, 2},
    {"FiveInS5", kAxiom5, ModalSystem::S5, Validity::Valid},
    // Unbounded, Z3 searches S4 and S5 past the time limit; two worlds refute it.
    {"McKinseyInS4", "!\"p-\"!p", ModalSystem::S4, Validity::NotValid, 2},
    {"McKinseyInS5", "!\"p-\"!p", ModalSystem::S5, Validity::NotValid, 2},
    {"FalsumInS5", "*", ModalSystem::S5, Validity::NotValid, 1},
    {"NotFalsumInK", "#*", ModalSystem::K, Validity::Valid},
    {"FormulaVariableInK", "!%-%", ModalSystem::K, Validity::NotValid, 1},
    {"FormulaVariableInT", "!%-%", ModalSystem::T, Validity::Valid},
    // The predicate of s is written S, like the relation.
    {"LetterSInT", "!s-s", ModalSystem::T, Validity::Valid},
    {"LetterSInK", "s-!s", ModalSystem::K, Validity::NotValid, 2},
};

class ValidityTable : public ::testing::TestWithParam<ValidityCase> {};

TEST_P(ValidityTable, DecidesAndShowsACountermodelThatRefutesIt) {
    const ValidityCase& c = GetParam();
    const ValidityOutcome outcome = askValidity(c.K, c.system);
    ASSERT_TRUE(outcome.translation.translated());
    EXPECT_EQ(outcome.answer.verdict.validity, c.expected) << outcome.answer.verdict.reason;
    ASSERT_EQ(outcome.answer.countermodel.has_value(), c.expected == Validity::NotValid);
    if (outcome.answer.countermodel) {
        const KripkeModel& model = *outcome.answer.countermodel;
        ASSERT_LT(model.failingWorld, model.worldCount);
        EXPECT_FALSE(oracle::holdsAt(c.K, model, model.failingWorld)) << countermodelText(model);
        EXPECT_TRUE(oracle::meetsConditions(model, c.system)) << countermodelText(model);
        EXPECT_EQ(model.worldCount, c.worlds) << countermodelText(model);
    }
}

INSTANTIATE_TEST_SUITE_P(Systems, ValidityTable, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ValidityQuestion, TimeLimitReachedIsUnknownWithItsReason) {
    // Valid in T (every world sees one, so each modal layer is constant), but its fifteen layers
    // deep keep Z3 from proving it for seconds, and no small frame refutes it.
    const ValidityOutcome outcome = askValidity("#!#!##\"##!!##!\"#\"!#\"!#\"\"#\"(*-\"$)", ModalSystem::T,
                                                std::chrono::milliseconds(50));
    ASSERT_TRUE(outcome.translation.translated()) << outcome.translation.message;
    EXPECT_EQ(outcome.answer.verdict.validity, Validity::Unknown);
    EXPECT_EQ(outcome.answer.verdict.reason, suite::kTimeLimitReason);
    EXPECT_FALSE(outcome.answer.countermodel);
}

} // namespace

} // namespace zudaviror
