#include "recording_notifier.h"
#include "suite/latin1.h"
#include "varquen/output_text.h"
#include "varquen/parse_codes.h"
#include "varquen/translation.h"

#include <gtest/gtest.h>

#include <ostream>

namespace varquen {
void PrintTo(ParseError error, std::ostream* out) {
    *out << "ParseError " << static_cast<int>(error);
}
} // namespace varquen

using suite::latin1FromUtf8;
using varquen::Declarations;
using varquen::ParseError;
using varquen::translateFormula;

namespace {

// The worked example's signature: universes A, B; x:1, y:2; f:1,2; R:2.
const Declarations kExample{{"A", "B"}, {"x:1", "y:2"}, {"f:1,2"}, {"R:2"}};

const std::string kReportHeading = suite::latin1FromUtf8("\nLo hecho de la traducción es:\n");

TEST(WorkedExample, PlainTexAndSpelledFormsByteForByte) {
    RecordingNotifier notifier;
    const auto plain = translateFormula(kExample, "paratodo x R x f y", false, notifier);
    EXPECT_EQ(plain.output, "( B y \xD9 \x22 x (A x \xAE R x f y ))");
    EXPECT_EQ(plain.status, "OK");
    EXPECT_EQ(plain.error, ParseError::None);
    EXPECT_EQ(varquen::spellSymbols(plain.output), "( B y  and   paratodo  x (A x  imp  R x f y ))");

    const auto tex = translateFormula(kExample, "paratodo x R x f y", true, notifier);
    EXPECT_EQ(tex.output, "( B y \\land \\forall x (A x \\rightarrow R x f y ))");
    EXPECT_TRUE(notifier.boxes.empty());
}

TEST(WorkedExample, TwoFreeVariablesNestToTheLeft) {
    RecordingNotifier notifier;
    EXPECT_EQ(translateFormula(kExample, "R x y", false, notifier).output, "(( A x \xD9 B y )\xD9 R x y )");
    EXPECT_EQ(translateFormula(kExample, "R x y", true, notifier).output,
              "(( A x \\land B y )\\land R x y )");
    const Declarations three{{"A", "B", "C"}, {"x:1", "y:2", "z:3"}, {}, {"R:3"}};
    EXPECT_EQ(translateFormula(three, "R x y z", false, notifier).output,
              "((( A x \xD9 B y )\xD9 C z )\xD9 R x y z )");
    EXPECT_TRUE(notifier.boxes.empty());
}

struct Success {
    const char* name;
    Declarations declarations;
    const char* formula;
    bool tex;
    std::string output;
};

void PrintTo(const Success& c, std::ostream* out) {
    *out << c.name;
}

class TranslatesTo : public testing::TestWithParam<Success> {};

TEST_P(TranslatesTo, Output) {
    const Success& c = GetParam();
    RecordingNotifier notifier;
    const auto translation = translateFormula(c.declarations, c.formula, c.tex, notifier);
    EXPECT_EQ(translation.error, ParseError::None);
    EXPECT_EQ(translation.output, c.output);
    EXPECT_TRUE(notifier.boxes.empty());
}

const Declarations kOneSort{{"A"}, {"x:1", "y:1"}, {}, {"p:1", "q:1", "R:2"}};
const Declarations kOnlyX{{"A"}, {"x:1"}, {}, {"p:1", "q:1"}};

INSTANTIATE_TEST_SUITE_P(
    Constructs, TranslatesTo,
    testing::Values(
        Success{"ExistsInTex", kOnlyX, "existe x p x", true, "\\exists x (A x \\land p x )"},
        Success{"ExistsPlain", kOnlyX, "existe x p x", false, "\x24 x (A x \xD9 p x )"},
        Success{"NegationHasNoParentheses", kOnlyX, "paratodo x not p x", false,
                "\x22 x (A x \xAE \xD8 p x )"},
        Success{"FreeBesideItsQuantifierIsGuarded", kOnlyX, "and p x existe x q x", false,
                "( A x \xD9 (p x \xD9 \x24 x (A x \xD9 q x )))"},
        Success{"UnusedVariableStillGuarded", kOneSort, "paratodo x p x", false,
                "( A y \xD9 \x22 x (A x \xAE p x ))"},
        Success{"InfixConnectives",
                {{"A"}, {}, {"c:1"}, {"p:1"}},
                "( ( p c or p c ) imp p c )",
                false,
                "((p c \xDA p c )\xAE p c )"},
        Success{"SymbolsAsBytes", kOnlyX, "\x22 x (p x \xD9 \xD8 q x)", false,
                "\x22 x (A x \xAE (p x \xD9 \xD8 q x ))"},
        Success{"InfixEquality",
                {{"A"}, {"x:1"}, {}, {}},
                "paratodo x ( x = x )",
                false,
                "\x22 x (A x \xAE (x = x ))"},
        Success{"InfixEqualityKeyword",
                {{"A"}, {"x:1"}, {}, {}},
                "paratodo x ( x e x )",
                false,
                "\x22 x (A x \xAE (x = x ))"},
        Success{"PrefixEqualitySymbol",
                {{"A"}, {"x:1"}, {}, {}},
                "paratodo x = x x",
                false,
                "\x22 x (A x \xAE (x = x ))"},
        Success{"PrefixEqualityTex",
                {{"A"}, {"x:1"}, {}, {}},
                "paratodo x e x x",
                true,
                "\\forall x (A x \\rightarrow (x = x ))"},
        Success{"UniverseAsPredicate",
                {{"A", "B"}, {"x:1"}, {}, {}},
                "paratodo x B x",
                false,
                "\x22 x (A x \xAE B x )"},
        Success{"FunctionArgumentsByType",
                {{"A", "B"}, {"x:1", "y:2"}, {"f:1,2,1"}, {"R:1"}},
                "existe x existe y R f y x",
                false,
                "\x24 x (A x \xD9 \x24 y (B y \xD9 R f y x ))"},
        Success{"FormulaValuedFunction",
                {{"A"}, {"x:1"}, {"g:0,1"}, {}},
                "paratodo x g x",
                false,
                "\x22 x (A x \xAE g x )"},
        Success{"FormulaValuedFunctionInParenthesis",
                {{"A"}, {"x:1"}, {"g:0,1"}, {}},
                "paratodo x ( g x and g x )",
                false,
                "\x22 x (A x \xAE (g x \xD9 g x ))"},
        Success{"FunctionWithoutTypesIsAFormula", {{}, {}, {"c:"}, {}}, "not c", false, "\xD8 c "},
        Success{"NoVariablesLeavesParseOutput", {{"A"}, {}, {"c:1"}, {"p:1"}}, "p c", false, "p c "},
        Success{"BlanksAfterTheFormulaAreRead", kOnlyX, "paratodo x p x \t\r\n  ", false,
                "\x22 x (A x \xAE p x )"}),
    [](const testing::TestParamInfo<Success>& info) { return info.param.name; });

// A variable is guarded when it is never quantified or when it occurs outside every quantifier
// binding it; the guards keep the declaration order.
INSTANTIATE_TEST_SUITE_P(
    FreeOccurrences, TranslatesTo,
    testing::Values(Success{"FreeBeforeQuantifiedLater", kExample, "and R x y paratodo x A x", false,
                            "(( A x \xD9 B y )\xD9 (R x y \xD9 \x22 x (A x \xAE A x )))"},
                    Success{"FreeAfterTheQuantifierCloses", kOnlyX, "( paratodo x p x and q x )", true,
                            "( A x \\land (\\forall x (A x \\rightarrow p x )\\land q x ))"},
                    Success{"OnlyUnderQuantifiersIsNotGuarded", kOnlyX, "and existe x p x paratodo x q x",
                            false, "(\x24 x (A x \xD9 p x )\xD9 \x22 x (A x \xAE q x ))"},
                    Success{"RequantifiedInsideItsOwnScope", kOnlyX, "paratodo x existe x p x", false,
                            "\x22 x (A x \xAE \x24 x (A x \xD9 p x ))"},
                    Success{"FreeInsideAnotherVariablesScope", kOneSort, "paratodo y and R x y existe x q x",
                            false, "( A x \xD9 \x22 y (A y \xAE (R x y \xD9 \x24 x (A x \xD9 q x ))))"},
                    Success{"GuardsKeepDeclarationOrder", kExample, "and R y x existe y A y", false,
                            "(( A x \xD9 B y )\xD9 (R y x \xD9 \x24 y (B y \xD9 A y )))"}),
    [](const testing::TestParamInfo<Success>& info) { return info.param.name; });

struct Failure {
    const char* name;
    Declarations declarations;
    std::string formula;
    ParseError error;
    std::string message;
    std::string partialOutput; // plain form
};

void PrintTo(const Failure& c, std::ostream* out) {
    *out << c.name;
}

class FailsWith : public testing::TestWithParam<Failure> {};

// The report box (after any declaration refusals) shows the error message as caption and the
// spelled partial translation.
TEST_P(FailsWith, ReportAndStatus) {
    const Failure& c = GetParam();
    RecordingNotifier notifier;
    const auto translation = translateFormula(c.declarations, c.formula, false, notifier);
    EXPECT_EQ(translation.error, c.error);
    EXPECT_EQ(translation.status, c.message);
    EXPECT_EQ(translation.output, c.partialOutput);
    ASSERT_FALSE(notifier.boxes.empty());
    EXPECT_EQ(notifier.boxes.back().caption, c.message);
    EXPECT_EQ(notifier.boxes.back().text, kReportHeading + varquen::spellSymbols(c.partialOutput));
}

const Declarations kTyped{{"A", "B"}, {"x:1", "y:2", "z:1"}, {"f:1,2"}, {"R:1", "p:1", "q:1", "S:2"}};
const std::string kWrongType = suite::latin1FromUtf8("Expresión de tipo incorrecto");
const std::string kTrailingText = suite::latin1FromUtf8("Sobra texto después de la fórmula");

INSTANTIATE_TEST_SUITE_P(
    Errors, FailsWith,
    testing::Values(
        Failure{"EmptyFormula", kTyped, "", ParseError::UnexpectedEnd, "Fin inesperado", ""},
        Failure{"StopsInTheMiddle", kTyped, "and p x", ParseError::UnexpectedEnd, "Fin inesperado",
                "(p x \xD9 "},
        Failure{"RelationMissingArgument", kTyped, "S x", ParseError::UnexpectedEnd, "Fin inesperado",
                "S x "},
        Failure{"QuantifierAtEnd", kTyped, "paratodo x", ParseError::UnexpectedEnd, "Fin inesperado",
                "\x22 x (A x \xAE "},
        Failure{"VariableAsFormula", kTyped, "x", ParseError::WrongType, kWrongType, ""},
        Failure{"ArgumentsOutOfOrder", kTyped, "R f x y", ParseError::WrongType, kWrongType, "R f "},
        Failure{"DigitEndsAWord", kTyped, "S x1 y", ParseError::LexicalError,
                suite::latin1FromUtf8("Error léxico"), "S x "},
        Failure{"ConnectiveBetweenTerms", kTyped, "( x and y )", ParseError::WrongType, kWrongType, "(x "},
        Failure{"EqualityBetweenFormulas", kTyped, "( p x = p y )", ParseError::WrongType, kWrongType,
                "(p x "},
        Failure{"ParenthesisWhereTermNeeded", kTyped, "p ( x = x )", ParseError::WrongType, kWrongType, "p "},
        Failure{"QuantifierOverRelation", kTyped, "paratodo p x", ParseError::VariableExpected,
                "Se requiere variable tras un cuantificador", "\x22 "},
        Failure{"UndeclaredWordFirst", kTyped, "menor x", ParseError::LexicalError,
                suite::latin1FromUtf8("Error léxico"), ""},
        Failure{"AccentedLetter", kTyped, suite::latin1FromUtf8("p á"), ParseError::LexicalError,
                suite::latin1FromUtf8("Error léxico"), "p "},
        Failure{"ParenthesisNeedsBinary", kTyped, "( p x )", ParseError::ParenthesisNeedsBinary,
                suite::latin1FromUtf8("Sólo se puede poner ( con operadores binarios"), "(p x "},
        Failure{"NotInsideParenthesis", kTyped, "( not p x )", ParseError::ParenthesisNeedsBinary,
                suite::latin1FromUtf8("Sólo se puede poner ( con operadores binarios"), "(\xD8 p x "},
        Failure{"MissingClose", kTyped, "( p x imp q y", ParseError::CloseExpected, "Esperaba )",
                "(p x \xAE q y "},
        Failure{"StrayClose", kTyped, "( )", ParseError::UnexpectedClose,
                suite::latin1FromUtf8("Sobra ): aquí debe empezar una fórmula o un término"), "("},
        Failure{"StaleVariableName",
                {{"A"}, {"v:7"}, {}, {"p:1"}},
                "p v",
                ParseError::UnknownVariable,
                "Variable inexistente",
                "p "},
        Failure{"StaleFunctionName",
                {{"A"}, {}, {"g:1,0"}, {"p:1"}},
                "p g",
                ParseError::UnknownFunction,
                suite::latin1FromUtf8("Función inexistente"),
                "p "},
        Failure{"StaleRelationName",
                {{"A"}, {}, {}, {"r:0"}},
                "r",
                ParseError::UnknownRelation,
                suite::latin1FromUtf8("Relación inexistente"),
                ""},
        Failure{"SecondFormula", kExample, "R x y R y x", ParseError::TrailingText, kTrailingText, "R x y "},
        Failure{"StrayCloseAtTheEnd", kExample, "paratodo x R x y )", ParseError::TrailingText, kTrailingText,
                "\x22 x (A x \xAE R x y )"},
        Failure{"UnknownWordAfterTheFormula", kTyped, "p x\nsobra", ParseError::TrailingText, kTrailingText,
                "p x "},
        Failure{"StaleQuantifiedVariable",
                {{"A"}, {"v:7"}, {}, {"p:1"}},
                "existe v p v",
                ParseError::UnknownVariable,
                "Variable inexistente",
                "\x24 "}),
    [](const testing::TestParamInfo<Failure>& info) { return info.param.name; });

// TeX writes equality as "="; only the plain form spells the sign as its keyword.
TEST(Translation, SpelledTexKeepsTheEqualsSign) {
    RecordingNotifier notifier;
    const Declarations equality{{"A"}, {"x:1"}, {"f:1,1"}, {}};
    const auto plain = translateFormula(equality, "not e x f x", false, notifier);
    EXPECT_EQ(varquen::spelledOutput(plain), "( A x  and   not  (x  e  f x ))");
    const auto tex = translateFormula(equality, "not e x f x", true, notifier);
    EXPECT_EQ(varquen::spelledOutput(tex), "( A x \\land \\neg (x = f x ))");
    const auto failed = translateFormula(equality, "( x = f x ) x", true, notifier);
    EXPECT_EQ(failed.error, ParseError::TrailingText);
    EXPECT_EQ(notifier.boxes.back().text, kReportHeading + "(x = f x )");
}

TEST(Translation, RefusedDeclarationsAreReportedAndTranslationGoesOn) {
    RecordingNotifier notifier;
    // The refused universe shifts B to number 2, so y:3 is out of range and z:2 is of universe B.
    const Declarations declarations{{"A", "A", "B"}, {"y:3", ":3", "z:2"}, {}, {"p:1"}};
    const auto translation = translateFormula(declarations, "p z", false, notifier);
    ASSERT_EQ(notifier.boxes.size(), 3u);
    EXPECT_EQ(notifier.boxes[0].text, "El token A esta repetido");
    EXPECT_EQ(notifier.boxes[1].text,
              suite::latin1FromUtf8(
                  "No se admiten variables de tipo menor que 1,\no mayor que el número de universos: 2\n"));
    EXPECT_EQ(notifier.boxes[2].text, "Lo siento no se admiten variables sin nombre");
    EXPECT_EQ(translation.error, ParseError::None);
    EXPECT_EQ(translation.output, "( B z \xD9 p z )");
}

TEST(Translation, UnknownUniverseIsNotReachableButStaleUniverseNamesAreNot) {
    RecordingNotifier notifier;
    // A universe refused for its name never enters the table, so the word is lexically unknown.
    const auto translation = translateFormula({{"", "B"}, {"x:1"}, {}, {}}, "B x", false, notifier);
    EXPECT_EQ(translation.error, ParseError::None);
    EXPECT_EQ(translation.output, "( B x \xD9 B x )");
}

TEST(Limits, OverLongFormulaIsRefusedNotCut) {
    RecordingNotifier notifier;
    std::string formula = "p x";
    formula.append(4092, ' ');
    EXPECT_EQ(translateFormula(kOnlyX, formula, false, notifier).error, ParseError::None);
    formula += ' ';
    const auto translation = translateFormula(kOnlyX, formula, false, notifier);
    EXPECT_EQ(translation.error, ParseError::FormulaTooLong);
    EXPECT_EQ(translation.status, suite::latin1FromUtf8("Fórmula demasiado larga: más de 4095 caracteres"));
    EXPECT_EQ(notifier.boxes.back().text, kReportHeading);
}

TEST(Limits, WordOfMoreThan255LettersIsRefused) {
    RecordingNotifier notifier;
    const std::string long255(255, 'w');
    Declarations declarations{{"A"}, {}, {}, {long255 + ":1"}};
    const auto accepted = translateFormula(declarations, long255 + " " + long255, false, notifier);
    EXPECT_EQ(accepted.error, ParseError::LexicalError); // the argument is not a term
    const auto refused = translateFormula(declarations, long255 + "w", false, notifier);
    EXPECT_EQ(refused.error, ParseError::WordTooLong);
    EXPECT_EQ(refused.status, suite::latin1FromUtf8("Palabra demasiado larga: más de 255 letras"));
}

// Every output byte counts: the translation may fill 4095 bytes and never one more.
TEST(Limits, OutputBeyond4095BytesIsRefused) {
    RecordingNotifier notifier;
    // A relation with 2046 arguments c writes its name, a blank and "c " per argument.
    auto relation = [](const std::string& name) {
        std::string formula = name;
        for (int i = 0; i < 2046; ++i) {
            formula += " c";
        }
        return std::make_pair(Declarations{{"A"}, {}, {"c:1"}, {name + ":2046"}}, formula);
    };
    const auto [fitting, fittingFormula] = relation("RR"); // 3 + 2 * 2046 = 4095 bytes
    const auto fits = translateFormula(fitting, fittingFormula, false, notifier);
    EXPECT_EQ(fits.error, ParseError::None);
    EXPECT_EQ(fits.output.size(), 4095u);
    const auto [overflowing, overflowingFormula] = relation("RRR"); // 4096 bytes
    const auto overflows = translateFormula(overflowing, overflowingFormula, false, notifier);
    EXPECT_EQ(overflows.error, ParseError::OutputTooLong);
    EXPECT_EQ(overflows.status, suite::latin1FromUtf8("Traducción demasiado larga: más de 4095 caracteres"));
    EXPECT_EQ(overflows.output.size(), 4094u); // the last "c " did not fit
    // The spelled report would pass the box's 4095 bytes: it says so instead of cutting.
    const std::string report = notifier.boxes.back().text;
    EXPECT_EQ(report.rfind(kReportHeading, 0), 0u);
    EXPECT_NE(report.find("4094 caracteres"), std::string::npos);
}

TEST(Limits, ClosingTheFreeVariablesMayOverflowTheOutput) {
    RecordingNotifier notifier;
    std::string longName(200, 'v');
    Declarations declarations{{"A"}, {}, {"c:1"}, {"R:1"}};
    for (int i = 0; i < 20; ++i) {
        declarations.variables.push_back(longName + std::string(1, static_cast<char>('a' + i)) + ":1");
    }
    const auto translation = translateFormula(declarations, "R c", false, notifier);
    EXPECT_EQ(translation.error, ParseError::OutputTooLong);
    EXPECT_EQ(translation.output, "R c ");
}

} // namespace
