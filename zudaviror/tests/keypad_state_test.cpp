#include "zudaviror/keypad_state.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <random>
#include <string>

namespace zudaviror {
namespace {

struct StateCase {
    const char* formula;
    int state;
};

void PrintTo(const StateCase& example, std::ostream* out) {
    *out << '"' << example.formula << '"';
}

// The formula spelled as a test name: "(p+q)" reads "OpenPAndQClose".
std::string spelledName(const ::testing::TestParamInfo<StateCase>& info) {
    const std::map<char, std::string> words = {{'+', "And"}, {'(', "Open"},    {')', "Close"}, {'#', "Not"},
                                               {'!', "Box"}, {'"', "Diamond"}, {'^', "Caret"}};
    std::string name;
    for (const char code : std::string(info.param.formula)) {
        const auto word = words.find(code);
        if (word != words.end()) {
            name += word->second;
        } else if (std::isalpha(static_cast<unsigned char>(code))) {
            name += static_cast<char>(std::toupper(static_cast<unsigned char>(code)));
        } else {
            name += "Code" + std::to_string(static_cast<unsigned char>(code));
        }
    }
    return name.empty() ? "Empty" : name;
}

class KeypadStates : public ::testing::TestWithParam<StateCase> {};

TEST_P(KeypadStates, StateFollowsFromTheFormulaAlone) {
    EXPECT_EQ(keypadState(GetParam().formula), GetParam().state);
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, KeypadStates,
    ::testing::Values(StateCase{"", 1}, StateCase{"p", 5}, StateCase{"p+", 1}, StateCase{"p+q", 2},
                      StateCase{"(", 1}, StateCase{"(p", 3}, StateCase{"(p+", 1}, StateCase{"(p+q", 4},
                      StateCase{"(p+q)", 3}, StateCase{"(p+q)+r", 2}, StateCase{"#(p+q)", 5},
                      StateCase{"#(p+q)+(r+s)", 2}, StateCase{"((p+q)", 3}, StateCase{"(p+(q+r)", 4},
                      StateCase{"!", 1}, StateCase{"\"#", 1}, StateCase{"!p", 5}, StateCase{"(#!(p+q)", 3},
                      StateCase{"(p+#(q+r)", 4}, StateCase{"!p+(q+r)", 2}, StateCase{"!(p+q)+#r", 2},
                      StateCase{"((p+q)+r)", 3}, StateCase{"(#p", 3}, StateCase{"(p+#q", 4}),
    spelledName);

INSTANTIATE_TEST_SUITE_P(TextsTheKeypadCannotProduce, KeypadStates,
                         ::testing::Values(StateCase{"p+q+r", kNoKeypadState}, StateCase{"x", kNoKeypadState},
                                           StateCase{"p)", kNoKeypadState}, StateCase{"^", kNoKeypadState}),
                         spelledName);

struct ProducibleCase {
    const char* name;
    std::string formula;
    bool producible;
    std::size_t refusedAt;
};

void PrintTo(const ProducibleCase& example, std::ostream* out) {
    *out << '"' << example.formula << '"';
}

class KeypadProduces : public ::testing::TestWithParam<ProducibleCase> {};

TEST_P(KeypadProduces, ReplayingTheKeysAcceptsOnlyKeypadFormulas) {
    const KeypadCheck check = checkKeyedFormula(GetParam().formula);
    EXPECT_EQ(check.producible, GetParam().producible);
    EXPECT_EQ(check.refusedAt, GetParam().refusedAt);
    EXPECT_EQ(keypadCanProduce(GetParam().formula), GetParam().producible);
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, KeypadProduces,
    ::testing::Values(
        ProducibleCase{"Atom", "p", true, 1}, ProducibleCase{"TopLevelBinary", "p+q", true, 3},
        ProducibleCase{"UnaryOverCompound", "!(p+q)", true, 6},
        ProducibleCase{"EveryAtomKey", "(((p+q)+(r+s))+((t+*)+(%+$)))+(;+')", true, 35},
        ProducibleCase{"Empty", "", false, 0}, ProducibleCase{"IncompleteBinary", "p+", false, 2},
        ProducibleCase{"ParenthesisedWhole", "(p+q)", false, 5}, ProducibleCase{"TwoAtoms", "pq", false, 1},
        ProducibleCase{"CloseWithoutOpen", "p)", false, 1},
        ProducibleCase{"LeadingConnective", "+p", false, 0},
        ProducibleCase{"ThreeOperandsInParentheses", "(p+q+r)+s", false, 4},
        ProducibleCase{"OutputQuantifier", "`p", false, 0}, ProducibleCase{"Blank", "p +q", false, 1},
        ProducibleCase{"UpperCaseLetter", "P", false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KeypadProduces, TheLengthLimitIsPartOfTheKeypad) {
    const std::string full = std::string(254, '#') + "p";
    const std::string tooLong = std::string(255, '#') + "p";
    EXPECT_TRUE(keypadCanProduce(full));
    EXPECT_TRUE(checkKeyedFormula(tooLong).producible);
    EXPECT_FALSE(keypadCanProduce(tooLong));
}

} // namespace
} // namespace zudaviror
