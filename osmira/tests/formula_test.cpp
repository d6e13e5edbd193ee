// Stacks, the syntax check, the conversion to bracket form and the dialogs' entry check.
// Formulas are written with ~ & | > and turned into the alphabet's bytes by formulaBytes().

#include "test_support.h"

#include "osmira/formula/formula_conversion.h"
#include "osmira/formula/formula_entry.h"
#include "osmira/formula/formula_syntax.h"
#include "osmira/formula/pila_cadena.h"
#include "osmira/formula/pila_caracter.h"
#include "osmira/texts/messages.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace osmira;
using osmira::test::formulaBytes;

namespace {

TEST(PilaCaracter, DropsPushesBeyondCapacityAndReportsEmptyPops) {
    PilaCaracter stack(2);
    EXPECT_EQ(stack.Top(), '\0');
    EXPECT_TRUE(stack.Push('a'));
    EXPECT_TRUE(stack.Push('b'));
    EXPECT_TRUE(stack.IsFull());
    EXPECT_FALSE(stack.Push('c'));
    EXPECT_EQ(stack.Size(), 2);
    char out = 'x';
    EXPECT_TRUE(stack.Pop(out));
    EXPECT_EQ(out, 'b');
    EXPECT_TRUE(stack.Pop(out));
    EXPECT_FALSE(stack.Pop(out));
    EXPECT_EQ(out, 'a');
    EXPECT_TRUE(stack.IsEmpty());
}

TEST(PilaCadena, HoldsTwentyStringsAndLeavesOutUnchangedWhenEmpty) {
    PilaCadena stack;
    for (int i = 0; i < 20; ++i) {
        EXPECT_TRUE(stack.Push(std::to_string(i)));
    }
    EXPECT_TRUE(stack.IsFull());
    EXPECT_FALSE(stack.Push("lost"));
    std::string out;
    EXPECT_TRUE(stack.Pop(out));
    EXPECT_EQ(out, "19");
    while (stack.Pop(out)) {
    }
    EXPECT_EQ(out, "0");
    out = "kept";
    EXPECT_FALSE(stack.Pop(out));
    EXPECT_EQ(out, "kept");
}

struct SyntaxCase {
    const char* name;
    const char* formula;
    bool passes;
};

void PrintTo(const SyntaxCase& c, std::ostream* os) {
    *os << c.name;
}

class SyntaxCheck : public ::testing::TestWithParam<SyntaxCase> {};

TEST_P(SyntaxCheck, AcceptsOrRefuses) {
    EXPECT_EQ(CheckFormulaSyntax(formulaBytes(GetParam().formula)), GetParam().passes);
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, SyntaxCheck,
    ::testing::Values(SyntaxCase{"Letter", "A", true}, SyntaxCase{"Group", "(A)", true},
                      SyntaxCase{"NegatedLetter", "~A", true},
                      SyntaxCase{"GroupThenImplication", "(A&B)>C", true},
                      SyntaxCase{"TrailingConjunction", "A&", true}, SyntaxCase{"NegationRun", "~~A", true},
                      SyntaxCase{"Empty", "", true}, SyntaxCase{"Juxtaposed", "AB", false},
                      SyntaxCase{"LetterThenGroup", "A(B)", false}, SyntaxCase{"CloseFirst", ")A", false},
                      SyntaxCase{"Unclosed", "(A", false}, SyntaxCase{"Unopened", "A)", false},
                      SyntaxCase{"LowerCase", "a", false}, SyntaxCase{"Digit", "1", false},
                      SyntaxCase{"Blank", "A & B", false}, SyntaxCase{"LeadingConnective", "&A", false},
                      SyntaxCase{"ConnectiveAfterNegation", "~&A", false},
                      SyntaxCase{"NegationAfterLetter", "A~B", false}, SyntaxCase{"EmptyGroup", "()", false}),
    [](const auto& info) { return std::string(info.param.name); });

// A*A*…*A with `length` characters (odd), using the readable connective.
std::string chain(char connective, std::size_t length) {
    std::string readable = "A";
    while (readable.size() + 2 <= length) {
        readable += std::string(1, connective) + "A";
    }
    return formulaBytes(readable);
}

// A line edit holds 32767 characters; only the command-line tool could pass a longer
// formula, whose bracket form no exercise could hold.
TEST(FormulaEntry, NoLongerThanTheFormulaFieldHolds) {
    EXPECT_TRUE(checkFormulaEntry(chain('&', kLongestFormula)));
    EXPECT_FALSE(checkFormulaEntry(chain('&', kLongestFormula + 2)));
    std::string operand, bracket;
    ASSERT_TRUE(convertFormulaInto(chain('|', kLongestFormula), operand, bracket));
    EXPECT_LT(bracket.size(), 4 * kLongestFormula);
    std::vector<std::string> fullSlots(kHypothesisSlots, chain('&', kLongestFormula));
    EXPECT_EQ(checkExerciseFormulas(fullSlots, chain('>', kLongestFormula)), std::nullopt);
    EXPECT_TRUE(checkHypothesesFormula(buildHypothesesFormula(fullSlots)));
    EXPECT_EQ(checkExerciseFormulas({"A", chain('&', kLongestFormula + 2)}, ""), messages::kFormulaTooLong);
    EXPECT_EQ(checkExerciseFormulas({"A"}, chain('&', kLongestFormula + 2)), messages::kFormulaTooLong);
}

TEST(SyntaxCheck, FiftyOpenParenthesesAreTheLimit) {
    EXPECT_TRUE(CheckFormulaSyntax(std::string(50, '(') + "A" + std::string(50, ')')));
    EXPECT_FALSE(CheckFormulaSyntax(std::string(51, '(') + "A" + std::string(51, ')')));
}

struct ConversionCase {
    const char* name;
    const char* formula;
    const char* bracket;
};

void PrintTo(const ConversionCase& c, std::ostream* os) {
    *os << c.name;
}

class Conversion : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(Conversion, GivesTheBracketForm) {
    std::string operand, result;
    EXPECT_TRUE(convertFormulaInto(formulaBytes(GetParam().formula), operand, result));
    EXPECT_EQ(result, GetParam().bracket);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, Conversion,
    ::testing::Values(
        ConversionCase{"Letter", "A", "A"}, ConversionCase{"Negation", "~A", "[A]"},
        ConversionCase{"Conjunction", "A&B", "AB"}, ConversionCase{"ReversedConjunction", "B&A", "BA"},
        ConversionCase{"Implication", "A>B", "[A[B]]"}, ConversionCase{"Disjunction", "A|B", "[[A][B]]"},
        ConversionCase{"NegatedGroup", "~(A&B)", "[AB]"},
        ConversionCase{"GroupImplies", "(A&B)>C", "[AB[C]]"},
        ConversionCase{"ImpliesGroup", "A>(B&C)", "[A[BC]]"},
        ConversionCase{"AndNotOr", "A&~(B|C)", "A[[[B][C]]]"},
        ConversionCase{"ImpliesNegatedGroup", "A>~(B)", "[A[[B]]]"},
        ConversionCase{"NegationOfNegationInGroup", "~(~A)", "[[A]]"},
        ConversionCase{"ParenthesisedLetter", "(A)", "A"},
        ConversionCase{"DoubleParentheses", "((A&B))", "AB"},
        ConversionCase{"ChainedConjunction", "A&B&C", "ABC"},
        ConversionCase{"ChainedDisjunction", "A|B|C", "[[[[A][B]]][C]]"},
        ConversionCase{"NoPrecedenceAndOr", "A&B|C", "[[AB][C]]"},
        ConversionCase{"NoPrecedenceImpliesAnd", "A>B&C", "[A[B]]C"},
        ConversionCase{"DanglingConnectiveDropped", "A&", "A"},
        // A run of signs gives one cut per sign.
        ConversionCase{"NegationRun", "~~A", "[[A]]"}, ConversionCase{"TripleNegation", "~~~A", "[[[A]]]"},
        ConversionCase{"NegationRunOnGroup", "~~(A&B)", "[[AB]]"},
        ConversionCase{"NegationRunAfterConnective", "A&~~B", "A[[B]]"},
        // A negated group after a connective keeps the connective.
        ConversionCase{"NegatedGroupAfterConnectiveInGroup", "(A&~(B))", "A[B]"},
        ConversionCase{"NegatedGroupAfterImplicationInGroup", "(A>~(B|C))", "[A[[[[B][C]]]]]"},
        ConversionCase{"NegatedGroupOpeningGroup", "(~(A)&B)", "[A]B"},
        ConversionCase{"HypothesesJoined", "(A)&(A>B)", "A[A[B]]"}),
    [](const auto& info) { return std::string(info.param.name); });

// Nesting bounds of the conversion (the operator stack holds 20 bytes, the operand stack 20
// strings): plain groups nest up to 20 deep; a group opened after a connective takes two
// operator bytes and one operand string, so ten such levels fit and the eleventh does not.
std::string nestedGroups(int depth) {
    return std::string(depth, '(') + "A" + std::string(depth, ')');
}

std::string nestedAfterConnective(int depth) {
    std::string formula;
    for (int i = 0; i < depth; ++i) {
        formula += "A&(";
    }
    return formula + "B" + std::string(depth, ')');
}

TEST(ConversionBound, PlainGroupsNestTwentyDeep) {
    EXPECT_TRUE(conversionFits(nestedGroups(20)));
    EXPECT_FALSE(conversionFits(nestedGroups(21)));
}

TEST(ConversionBound, GroupsAfterConnectivesNestTenDeep) {
    EXPECT_TRUE(conversionFits(formulaBytes(nestedAfterConnective(10))));
    EXPECT_FALSE(conversionFits(formulaBytes(nestedAfterConnective(11))));
    std::string operand, result;
    convertFormulaInto(formulaBytes(nestedAfterConnective(10)), operand, result);
    EXPECT_EQ(result, std::string(10, 'A') + "B");
}

TEST(ConversionBound, NegationRunsUseNoStack) {
    EXPECT_TRUE(conversionFits(formulaBytes(std::string(200, '~') + "A")));
}

struct EntryCase {
    const char* name;
    std::string formula;
    bool accepted;
};

void PrintTo(const EntryCase& c, std::ostream* os) {
    *os << c.name;
}

class EntryCheck : public ::testing::TestWithParam<EntryCase> {};

TEST_P(EntryCheck, AcceptsOnlyCompleteConvertibleFormulas) {
    EXPECT_EQ(checkFormulaEntry(formulaBytes(GetParam().formula)), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, EntryCheck,
    ::testing::Values(EntryCase{"Letter", "A", true}, EntryCase{"Empty", "", false},
                      EntryCase{"TrailingConjunction", "A&", false},
                      EntryCase{"TrailingNegation", "A>~", false}, EntryCase{"LoneNegation", "~", false},
                      EntryCase{"SyntaxError", "AB", false},
                      EntryCase{"DeepestPlainGroup", nestedGroups(20), true},
                      EntryCase{"TooDeepPlainGroup", nestedGroups(21), false},
                      EntryCase{"TooDeepAfterConnectives", nestedAfterConnective(11), false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExerciseFormulas, JoinsNonEmptySlotsInOrder) {
    EXPECT_EQ(buildHypothesesFormula({"A", "", formulaBytes("A>B")}), formulaBytes("(A)&(A>B)"));
    EXPECT_EQ(buildHypothesesFormula({"", ""}), "");
}

TEST(ExerciseFormulas, RefusalsCarryTheDialogsMessages) {
    EXPECT_EQ(checkExerciseFormulas({"A", "B"}, "C"), std::nullopt);
    EXPECT_EQ(checkExerciseFormulas({"", ""}, "C"), std::string(messages::kNoHypothesis));
    EXPECT_EQ(checkExerciseFormulas({"A", formulaBytes("B&")}, ""), std::string(messages::kFormulaSyntax));
    EXPECT_EQ(checkExerciseFormulas({"A"}, formulaBytes("(C")), std::string(messages::kFormulaSyntax));
    // Nineteen operator bytes: it fits alone and as the first hypothesis (one more byte for
    // its parenthesis), but a later hypothesis sits behind a connective and needs two more.
    std::string deep = formulaBytes("(" + nestedAfterConnective(9) + ")");
    EXPECT_TRUE(checkFormulaEntry(deep));
    EXPECT_EQ(checkExerciseFormulas({deep}, ""), std::nullopt);
    // Named for what it is: the syntax is right, the nesting too deep.
    EXPECT_EQ(checkExerciseFormulas({"A", deep}, ""), std::string(messages::kFormulaTooDeep));
}

// --- Truth tables: the bracket form means what the formula means -----------------------

// Reads a formula with strictly left-to-right grouping of the binary connectives; a
// negation applies to the letter, group or negation that follows it.
class FormulaOracle {
  public:
    FormulaOracle(const std::string& formula, unsigned valuation) : text_(formula), valuation_(valuation) {}
    bool value() { return expression(); }

  private:
    bool expression() {
        bool value = operand();
        while (pos_ < text_.size() && text_[pos_] != ')') {
            char connective = text_[pos_++];
            bool right = operand();
            value = connective == '&' ? value && right : connective == '|' ? value || right : !value || right;
        }
        return value;
    }
    bool operand() {
        char c = text_[pos_++];
        if (c == '~') {
            return !operand();
        }
        if (c == '(') {
            bool value = expression();
            ++pos_;
            return value;
        }
        return valuation_ >> (c - 'A') & 1u;
    }
    const std::string& text_;
    unsigned valuation_;
    std::size_t pos_ = 0;
};

std::string randomFormula(std::mt19937& random, int depth) {
    std::string formula;
    int operands = 1 + static_cast<int>(random() % 3);
    for (int i = 0; i < operands; ++i) {
        if (i > 0) {
            formula += "&|>"[random() % 3];
        }
        formula += std::string(random() % 4 == 0 ? 1 + random() % 2 : 0, '~');
        if (depth > 0 && random() % 3 == 0) {
            formula += "(" + randomFormula(random, depth - 1) + ")";
        } else {
            formula += static_cast<char>('A' + random() % 4);
        }
    }
    return formula;
}

TEST(ConversionProperty, BracketFormHasTheFormulasTruthTable) {
    std::mt19937 random(20261208);
    int checked = 0;
    for (int n = 0; n < 3000; ++n) {
        std::string formula = randomFormula(random, 4);
        std::string bytes = formulaBytes(formula);
        if (!checkFormulaEntry(bytes)) {
            continue;
        }
        std::string operand, bracket;
        ASSERT_TRUE(convertFormulaInto(bytes, operand, bracket));
        for (unsigned valuation = 0; valuation < 16; ++valuation) {
            ASSERT_EQ(test::bracketValue(bracket, valuation), FormulaOracle(formula, valuation).value())
                << formula << " gives " << bracket << " (valuation " << valuation << ")";
        }
        ++checked;
    }
    EXPECT_GT(checked, 2500);
}

} // namespace
