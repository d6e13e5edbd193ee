// Known validities and non-validities of many-sorted logic, asked of the loaded prover module as
// the window and the tool ask; every countermodel it gives must make the formula false and be
// as small as a countermodel of the formula can be.
#include "many_sorted_formulas.h"

#include "varquen/countermodel_text.h"
#include "varquen/translation_reader.h"
#include "varquen/validity_question.h"

#include "suite/latin1.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>

namespace varquen::testing {
namespace {

struct Case {
    const char* name;
    Formula formula;
    suite::Validity expected;
    std::size_t individuals = 0; // of the smallest countermodel, when not valid
};

std::ostream& operator<<(std::ostream& out, const Case& row) {
    return out << row.name;
}

class ValidityTable : public ::testing::TestWithParam<Case> {};

TEST_P(ValidityTable, AnswersAndEveryCountermodelFalsifiesTheFormula) {
    const TestSignature signature = exampleSignature();
    SilentNotifier notifier;
    const ProblemRead read =
        validityProblem(signature.declarations(), formulaText(GetParam().formula), notifier);
    ASSERT_TRUE(read.value) << read.reason;
    const ValidityAnswer answer = askProver(*read.value);
    ASSERT_EQ(answer.verdict.validity, GetParam().expected) << answer.verdict.reason;
    ASSERT_EQ(answer.countermodel.has_value(), GetParam().expected == suite::Validity::NotValid);
    if (answer.countermodel) {
        EXPECT_FALSE(holdsIn(*answer.countermodel, signature, GetParam().formula));
        EXPECT_EQ(individualsOf(*answer.countermodel), GetParam().individuals);
    }
    if (answer.verdict.validity == suite::Validity::Unknown) {
        EXPECT_EQ(answer.verdict.reason, suite::kTimeLimitReason);
    }
}

using suite::Validity;

INSTANTIATE_TEST_SUITE_P(
    ManySorted, ValidityTable,
    ::testing::Values(
        // Each universe is non-empty.
        Case{"UniversalGivesExistential",
             imp(forAll("x", rel("R", {var("x")})), exists("x", rel("R", {var("x")}))), Validity::Valid},
        Case{"ExistentialDoesNotGiveUniversal",
             imp(exists("x", rel("R", {var("x")})), forAll("x", rel("R", {var("x")}))), Validity::NotValid,
             3},
        Case{"DrinkerOfAUniverse",
             exists("x", imp(pred("p", {var("x")}), forAll("y", pred("p", {var("y")})))), Validity::Valid},
        // The universes are disjoint.
        Case{"EqualityAcrossUniversesIsFalse", neg(eq(var("x"), var("z"))), Validity::Valid},
        Case{"AConstantIsNoElementOfAnotherUniverse", forAll("z", neg(eq(fn("c"), var("z")))),
             Validity::Valid},
        Case{"AVariableIsNotInAnotherUniverse", neg(in("B", var("x"))), Validity::Valid},
        // A free variable ranges over its universe; functions map into theirs.
        Case{"AFreeVariableIsInItsUniverse", in("A", var("x")), Validity::Valid},
        Case{"AFunctionMapsIntoItsUniverse", forAll("z", in("A", fn("f", {var("z")}))), Validity::Valid},
        Case{"AFreeVariableIsNotEveryValue", rel("R", {var("x")}), Validity::NotValid, 2},
        Case{"AFunctionIsNotConstant", eq(fn("f", {var("z")}), fn("c")), Validity::NotValid, 3},
        Case{"PropertyOfTheConstant", imp(forAll("x", pred("p", {var("x")})), pred("p", {fn("c")})),
             Validity::Valid},
        // Quantifiers in their order.
        Case{"ExistsForAllGivesForAllExists",
             imp(exists("z", forAll("x", rel("S", {var("x"), var("z")}))),
                 forAll("x", exists("z", rel("S", {var("x"), var("z")})))),
             Validity::Valid},
        Case{"ForAllExistsDoesNotGiveExistsForAll",
             imp(forAll("x", exists("z", rel("S", {var("x"), var("z")}))),
                 exists("z", forAll("x", rel("S", {var("x"), var("z")})))),
             Validity::NotValid, 4},
        // Only infinite structures (an endless chain) make it false: undecided, and said so.
        Case{"NotAnEndlessStrictOrder",
             neg(conj(conj(forAll("x", exists("y", rel("S", {var("x"), var("y")}))),
                           forAll("x", neg(rel("S", {var("x"), var("x")})))),
                      forAll("x", forAll("y", forAll("u", imp(conj(rel("S", {var("x"), var("y")}),
                                                                   rel("S", {var("y"), var("u")})),
                                                              rel("S", {var("x"), var("u")}))))))),
             Validity::Unknown},
        Case{"RelationOnMixedUniverses", imp(rel("S", {var("x"), var("z")}), rel("S", {var("z"), var("x")})),
             Validity::NotValid, 2}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

// Without E on the PATH, Z3 answers alone, and an unknown answer says what was missing.
TEST(ValidityQuestion, WithoutEZ3AnswersAlone) {
    const std::string path = std::getenv("PATH");
    ::setenv("PATH", "/nonexistent", 1);
    SilentNotifier notifier;
    const ProblemRead valid = validityProblem(exampleSignature().declarations(),
                                              formulaText(neg(eq(var("x"), var("z")))), notifier);
    const ProblemRead endless = validityProblem(
        {{"A"}, {"x:1", "y:1", "z:1"}, {}, {"S:2"}},
        "not and and paratodo x existe y S x y paratodo x not S x x paratodo x paratodo y paratodo z imp and "
        "S x y S y z S x z",
        notifier);
    const ValidityAnswer proved = askProver(*valid.value);
    const ValidityAnswer unknown = askProver(*endless.value, std::chrono::milliseconds(100));
    ::setenv("PATH", path.c_str(), 1);
    EXPECT_EQ(proved.verdict.validity, suite::Validity::Valid);
    EXPECT_EQ(unknown.verdict.validity, suite::Validity::Unknown);
    EXPECT_EQ(unknown.verdict.reason,
              std::string(suite::kTimeLimitReason) + " (el demostrador E no está instalado)");
}

TEST(ValidityQuestion, EndsSoonAfterItsTimeLimit) {
    const QuestionText question = tenVariablesBeyondEverySmallDomain();
    SilentNotifier notifier;
    const ProblemRead read = validityProblem(question.declarations, question.formula, notifier);
    ASSERT_TRUE(read.value) << read.reason;
    const auto begin = std::chrono::steady_clock::now();
    const ValidityAnswer answer = askProver(*read.value);
    EXPECT_EQ(answer.verdict.validity, suite::Validity::Unknown);
    // Not a measure of speed: five times the limit tells a question that ends from one that does
    // not.
    EXPECT_LT(std::chrono::steady_clock::now() - begin, 5 * suite::kDefaultProverTimeLimit);
}

// A countermodel whose tables are too large to write out (two individuals, fourteen arguments:
// 16,384 rows each) names them instead. Every countermodel has exactly two individuals, so the
// text is the same whichever attempt finds it; the limit is long because on a loaded machine the
// small domain's write-out, 16,384 instances, can outlast two seconds.
TEST(ValidityQuestion, TablesTooLargeAreNamedNotWrittenOut) {
    const std::string x13 = "x x x x x x x x x x x x x";
    const Declarations declarations{
        {"A"}, {"x:1", "y:1", "z:1"}, {"f:1,1,1,1,1,1,1,1,1,1,1,1,1,1,1"}, {"R:14"}};
    const std::string twoIndividuals =
        "and existe x existe y not e x y paratodo x paratodo y paratodo z or or "
        "e x y e y z e x z";
    SilentNotifier notifier;
    const ProblemRead read = validityProblem(
        declarations, "imp " + twoIndividuals + " existe x R " + x13 + " f " + x13 + " x", notifier);
    ASSERT_TRUE(read.value) << read.reason;
    const ValidityAnswer answer = askProver(*read.value, std::chrono::seconds(60));
    EXPECT_EQ(suite::utf8FromLatin1(answerText(answer)), "no válida\n"
                                                         "Contramodelo:\n"
                                                         "Universos:\n"
                                                         "  A = {A1, A2}\n"
                                                         "Funciones:\n"
                                                         "  f: demasiados valores para mostrarlos\n"
                                                         "Relaciones:\n"
                                                         "  R: demasiados valores para mostrarlos\n");
}

// Universes the formula does not name cost nothing (from about 60 of them every question was
// unknown), and a relation's table runs over the universes of its arguments only: twelve
// arguments from twelve universes of one or two elements are at most 4,096 rows, not 24^12
// over all individuals.
TEST(ValidityQuestion, ManyUniversesCostWhatTheFormulaUses) {
    // Names of letters only: U, then two letters.
    const auto letters = [](int n) { return std::string{char('a' + n / 26), char('a' + n % 26)}; };
    Declarations declarations{{}, {}, {}, {"R:12", "p:1"}};
    std::string twelve;
    for (int u = 1; u <= 255; ++u) {
        declarations.universes.push_back("U" + letters(u));
    }
    for (int v = 1; v <= 12; ++v) {
        declarations.variables.push_back("x" + letters(v) + ":" + std::to_string(v));
        twelve += " x" + letters(v);
    }
    SilentNotifier notifier;
    const ProblemRead read = validityProblem(declarations, "imp p x" + letters(1) + " R" + twelve, notifier);
    ASSERT_TRUE(read.value) << read.reason;
    const ValidityAnswer answer = askProver(*read.value);
    ASSERT_EQ(answer.verdict.validity, suite::Validity::NotValid) << answer.verdict.reason;
    ASSERT_EQ(answer.countermodel->universes.size(), 255U);
    for (std::size_t u = 12; u < 255; ++u) {
        const Countermodel::Universe& universe = answer.countermodel->universes[u];
        EXPECT_EQ(universe.elements, std::vector<std::string>{universe.name + "1"});
    }
    ASSERT_EQ(answer.countermodel->relations.size(), 2U);
    EXPECT_TRUE(answer.countermodel->relations[0].complete);
}

} // namespace
} // namespace varquen::testing
