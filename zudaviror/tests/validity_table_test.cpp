// "¿Es válida?" decided by the tableau: the characteristic axioms of the systems and their
// failures, every proof read by an independent checker and every countermodel checked by
// evaluating the formula in it and by its worlds, as few as the formula's countermodels can have.
#include "kripke_evaluation.h"
#include "modal_axioms.h"
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

using oracle::N;
using oracle::V;

std::vector<ValidityCase> axiomCases() {
    std::vector<ValidityCase> cases;
    for (const oracle::AxiomRow& row : oracle::kAxioms) {
        for (std::size_t system = 0; system < 6; ++system) {
            cases.push_back({row.name, row.K, modalSystems()[system], row.expected[system]});
        }
    }
    return cases;
}

// Countermodels with the fewest worlds there are, and formulas that took Z3 past its limit.
const ValidityCase kCases[] = {
    {"TInK", oracle::kAxiomT, ModalSystem::K, N, 1},
    {"TInD", oracle::kAxiomT, ModalSystem::D, N, 2},
    {"DInK", oracle::kAxiomD, ModalSystem::K, N, 1},
    {"FourInT", oracle::kAxiom4, ModalSystem::T, N, 3},
    {"FourInB", oracle::kAxiom4, ModalSystem::B, N, 3},
    {"BInS4", oracle::kAxiomB, ModalSystem::S4, N, 2},
    {"FiveInB", oracle::kAxiom5, ModalSystem::B, N, 3},
    {"FiveInS4", oracle::kAxiom5, ModalSystem::S4, N, 2},
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
    // LWB's s4_ipc_n of size 3 without its true conjunct; merging worlds alone left four.
    {"LwbIpcInD", "(!(!(!p-(!p+(!q+!r)))-*)+!(!(!r-(!p+(!q+!r)))-*))-*", ModalSystem::D, N, 1},
    // A random formula at the keypad's limits: merging alone left eight worlds.
    {"RandomAtTheLimitsInD",
     "\"(#\"!#\"!!\"##\"!#\"\"!!\"!#(t,#\"(\"r+r)),((!(!#*+\"#$).#\"($+!t)),\"\"(#(#\"(!s+$)-\"q),#\"!\"\"%))"
     ")",
     ModalSystem::D, N, 1},
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
