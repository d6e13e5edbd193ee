// A TRANS result read back as the formula over worlds it spells: what it refers to, and the
// texts that are not results, each with its reason.
#include "zudaviror/world_formula.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace zudaviror {

namespace {

struct ReadCase {
    const char* name;
    const char* text;
    const char* freeWorlds;
    const char* predicates;
};

void PrintTo(const ReadCase& c, std::ostream* out) {
    *out << c.name;
}

const ReadCase kResults[] = {
    {"Letter", "Pu", "u", "p"},
    {"LetterSIsNotTheRelation", "Su", "u", "s"},
    {"TopLevelConnective", "Pu+Qu", "u", "pq"},
    {"Necessity", "^v(Suv-Pv)", "u", "p"},
    {"NestedScopes", "^v(Suv-(Pv+`w(Svw+Sw)))", "u", "ps"},
    {"FalsumAtU", "^v(Suv-u~u)", "u", ""},
    {"FormulaVariable", "#TRANS/(%)[u]", "u", "%"},
};

class WorldFormulaReads : public ::testing::TestWithParam<ReadCase> {};

TEST_P(WorldFormulaReads, EveryResult) {
    const WorldFormulaRead read = readWorldFormula(GetParam().text);
    ASSERT_TRUE(read.value) << read.reason;
    EXPECT_EQ(freeWorlds(*read.value), GetParam().freeWorlds);
    EXPECT_EQ(predicateSymbols(*read.value), GetParam().predicates);
}

INSTANTIATE_TEST_SUITE_P(Results, WorldFormulaReads, ::testing::ValuesIn(kResults),
                         [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
    const char* name;
    const char* text;
    const char* reason;
};

void PrintTo(const RefusalCase& c, std::ostream* out) {
    *out << c.name;
}

const RefusalCase kRefusals[] = {
    {"Empty", "", "la fórmula termina antes de tiempo"},
    {"MissingOperand", "Pu+", "la fórmula termina antes de tiempo"},
    {"UnclosedScope", "^v(Suv-Pv", "falta «)» en la posición 9"},
    {"TrailingText", "Pu)", "sobra texto en la posición 2"},
    {"NoWorld", "P+Qu", "falta una variable de mundo en la posición 1"},
    {"LetterInAMarker", "TRANS/(p)[u]", "falta una variable de fórmula en la posición 7"},
    {"NotASymbol", "Xu", "símbolo inesperado en la posición 0"},
};

class WorldFormulaRefuses : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(WorldFormulaRefuses, WithTheReason) {
    const WorldFormulaRead read = readWorldFormula(GetParam().text);
    EXPECT_FALSE(read.value);
    EXPECT_EQ(read.reason, GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(Refusals, WorldFormulaRefuses, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

} // namespace zudaviror
