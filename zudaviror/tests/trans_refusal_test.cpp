#include "zudaviror/trans.h"

#include "suite/latin1.h"

#include <gtest/gtest.h>

#include <string>

namespace zudaviror {
namespace {

std::string repeated(std::size_t count, char code) {
    return std::string(count, code);
}

// n atoms joined as ((p+p)+p)+...+p, with the last connective at the top level.
std::string leftChainOfLeaves(std::size_t n) {
    std::string formula = "p";
    for (std::size_t i = 1; i + 1 < n; ++i) {
        formula = "(" + formula + "+p)";
    }
    return n > 1 ? formula + "+p" : formula;
}

// 2 * compounds + 1 nested necessities: !!(!!(...!p+q)+q)
std::string necessitiesOverCompounds(std::size_t compounds) {
    std::string formula = "!p";
    for (std::size_t i = 0; i < compounds; ++i) {
        formula = "!!(" + formula + "+q)";
    }
    return formula;
}

// Eleven leaves lengthened with negations, in turn, until the formula has `codes` codes.
std::string elevenNegatedLeaves(std::size_t codes) {
    std::string formula = leftChainOfLeaves(11);
    for (std::size_t turn = 0; formula.size() < codes; ++turn) {
        std::size_t position = 0;
        for (std::size_t leaf = 0; leaf <= turn % 11; ++leaf) {
            position = formula.find('p', position) + 1;
        }
        formula.insert(position - 1, 1, '#');
    }
    return formula;
}

struct RefusalCase {
    const char* name;
    std::string formula;
    TransStatus status;
    std::string message; // Latin-1
};

void PrintTo(const RefusalCase& refusal, std::ostream* out) {
    *out << refusal.name;
}

class TransRefusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(TransRefusals, RefusedBeforeTranslatingWithItsMessage) {
    const TransOutcome outcome = TRANS(GetParam().formula);
    EXPECT_EQ(outcome.status, GetParam().status);
    EXPECT_EQ(outcome.message, GetParam().message);
    EXPECT_TRUE(outcome.result.empty());
    EXPECT_TRUE(outcome.stepText.empty());
}

INSTANTIATE_TEST_SUITE_P(
    BeyondTheLimits, TransRefusals,
    ::testing::Values(
        RefusalCase{
            "TwoHundredFiftySixCodes", repeated(255, '#') + "p", TransStatus::TooManyCodes,
            suite::latin1FromUtf8("La fórmula tiene 256 símbolos; no se pueden traducir más de 255.")},
        RefusalCase{
            "TwoHundredFiftySixCodesWithinTheOtherLimits", elevenNegatedLeaves(256),
            TransStatus::TooManyCodes,
            suite::latin1FromUtf8("La fórmula tiene 256 símbolos; no se pueden traducir más de 255.")},
        RefusalCase{"TwelveLeaves", leftChainOfLeaves(12), TransStatus::TooManyLeaves,
                    suite::latin1FromUtf8("La fórmula tiene 12 átomos; no se pueden traducir más de 11.")},
        RefusalCase{"TwentyNecessitiesInOneLeaf", repeated(20, '!') + "p", TransStatus::TooDeeplyNested,
                    suite::latin1FromUtf8(
                        "La fórmula anida 20 operadores modales; no se pueden traducir más de 19 anidados.")},
        RefusalCase{"TwentyPossibilitiesOverCompoundsAndLeaf", "\"(" + repeated(19, '"') + "p+q)",
                    TransStatus::TooDeeplyNested,
                    suite::latin1FromUtf8(
                        "La fórmula anida 20 operadores modales; no se pueden traducir más de 19 anidados.")},
        RefusalCase{"LeafOfThirtyCodes", repeated(29, '#') + "p", TransStatus::LeafTooLong,
                    suite::latin1FromUtf8(
                        "Un átomo lleva 29 operadores seguidos delante; no se pueden traducir más de 28.")}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    NotKeypadFormulas, TransRefusals,
    ::testing::Values(
        RefusalCase{"Empty", "", TransStatus::NotWellFormed, suite::latin1FromUtf8("La fórmula está vacía.")},
        RefusalCase{
            "MissingSecondOperand", "p+", TransStatus::NotWellFormed,
            suite::latin1FromUtf8("La fórmula está incompleta: le falta un operando o un paréntesis.")},
        RefusalCase{"TwoAtomsSideBySide", "pq", TransStatus::NotWellFormed,
                    suite::latin1FromUtf8(
                        "La fórmula no está bien formada: el símbolo 2 («q») no puede ir en ese lugar.")},
        RefusalCase{"TwoTopLevelConnectives", "p+q+r", TransStatus::NotWellFormed,
                    suite::latin1FromUtf8(
                        "La fórmula no está bien formada: el símbolo 4 («+») no puede ir en ese lugar.")},
        RefusalCase{"ParenthesisedAtom", "(p)", TransStatus::NotWellFormed,
                    suite::latin1FromUtf8(
                        "La fórmula no está bien formada: el símbolo 3 («)») no puede ir en ese lugar.")},
        RefusalCase{"OutputCodeInInput", "^p", TransStatus::NotWellFormed,
                    suite::latin1FromUtf8(
                        "La fórmula no está bien formada: el símbolo 1 («^») no puede ir en ese lugar.")},
        RefusalCase{
            "UnprintableByteNotEchoed", "p+\xE2", TransStatus::NotWellFormed,
            suite::latin1FromUtf8("La fórmula no está bien formada: el símbolo 3 no puede ir en ese lugar.")},
        RefusalCase{
            "WellFormedButLongerThanTheBox", repeated(300, '#') + "q", TransStatus::TooManyCodes,
            suite::latin1FromUtf8("La fórmula tiene 301 símbolos; no se pueden traducir más de 255.")}),
    [](const auto& info) { return std::string(info.param.name); });

struct BoundaryCase {
    const char* name;
    std::string formula;
};

void PrintTo(const BoundaryCase& boundary, std::ostream* out) {
    *out << boundary.name;
}

class TransBoundaries : public ::testing::TestWithParam<BoundaryCase> {};

TEST_P(TransBoundaries, FormulaAtTheLimitIsTranslated) {
    const TransOutcome outcome = TRANS(GetParam().formula);
    EXPECT_TRUE(outcome.translated()) << outcome.message;
    EXPECT_FALSE(outcome.result.empty());
}

INSTANTIATE_TEST_SUITE_P(
    AtTheLimits, TransBoundaries,
    ::testing::Values(BoundaryCase{"TwoHundredFiftyFiveCodes", elevenNegatedLeaves(255)},
                      BoundaryCase{"ElevenLeavesOfOneLetter", leftChainOfLeaves(11)},
                      BoundaryCase{"NineteenNecessitiesInOneLeaf", repeated(19, '!') + "p"},
                      BoundaryCase{"NineteenNecessitiesAcrossCompounds", necessitiesOverCompounds(9)},
                      BoundaryCase{"LeafOfTwentyNineCodes", repeated(28, '#') + "p"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TransBoundaries, NineteenNestedScopesEndAtTheLastWorldLetter) {
    const TransOutcome outcome = TRANS(repeated(19, '!') + "p");
    ASSERT_TRUE(outcome.translated()) << outcome.message;
    EXPECT_TRUE(outcome.result.starts_with("^v(Suv-^w(Svw-^x(Swx-"));
    EXPECT_TRUE(outcome.result.ends_with("^n(Smn-Pn" + repeated(19, ')')));
}

TEST(TransBoundaries, ElevenLeavesOfOneLetterAllReadAsTheTypedLetter) {
    const std::string formula = leftChainOfLeaves(11);
    std::string expected;
    for (const char code : formula) {
        expected += code == 'p' ? std::string("Pu") : std::string(1, code);
    }
    EXPECT_EQ(TRANS(formula).result, expected);
}

} // namespace
} // namespace zudaviror
