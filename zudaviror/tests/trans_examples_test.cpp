#include "zudaviror/trans.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zudaviror {
namespace {

std::string stepTextOf(const std::vector<std::string>& snapshots) {
    std::string text;
    for (const auto& snapshot : snapshots) {
        text += "\n\t _ " + snapshot;
    }
    return text;
}

struct StepsCase {
    const char* name;
    const char* formula;
    std::vector<std::string> snapshots;
};

void PrintTo(const StepsCase& example, std::ostream* out) {
    *out << example.formula;
}

class TransSnapshots : public ::testing::TestWithParam<StepsCase> {};

TEST_P(TransSnapshots, StepTextHoldsEverySnapshotInOrder) {
    const auto& example = GetParam();
    const TransOutcome outcome = TRANS(example.formula);
    ASSERT_TRUE(outcome.translated()) << outcome.message;
    EXPECT_EQ(outcome.stepText, stepTextOf(example.snapshots));
    EXPECT_EQ(outcome.result, example.snapshots.back());
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, TransSnapshots,
    ::testing::Values(StepsCase{"NecessityOfLetter",
                                "!p",
                                {"^v(Suv-(p))", "^v(Suv-TRANS/(p))", "^v(Suv-TRANS/(p)[u])",
                                 "^v(Suv-TRANS/(p)[v])", "^v(Suv-Pv)"}},
                      StepsCase{"NecessityOfCompoundWithNestedNecessity",
                                "!(p+!q)",
                                {"!(TRANS/(p)+!q)", "!(TRANS/(p)+^v(Suv-(q)))",
                                 "!(TRANS/(p)+^v(Suv-TRANS/(q)))", "^v(Suv-(TRANS/(p)+^v(Suv-TRANS/(q))))",
                                 "^v(Suv-(TRANS/(p)[u]+^v(Suv-TRANS/(q))))",
                                 "^v(Suv-(TRANS/(p)[u]+^v(Suv-TRANS/(q)[u])))",
                                 "^v(Suv-(TRANS/(p)[v]+^w(Svw-TRANS/(q)[w])))",
                                 "^v(Suv-(Pv+^w(Svw-TRANS/(q)[w])))", "^v(Suv-(Pv+^w(Svw-Qw)))"}},
                      StepsCase{"RepeatedLetterStandsAsDigitUntilRestored",
                                "p+p",
                                {"(TRANS/(p)+p)", "(TRANS/(p)+TRANS/(1))", "(TRANS/(p)[u]+TRANS/(1))",
                                 "(TRANS/(p)[u]+TRANS/(1)[u])", "Pu+TRANS/(p)[u]", "Pu+Pu"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ResultCase {
    const char* name;
    const char* formula;
    const char* result;
};

void PrintTo(const ResultCase& example, std::ostream* out) {
    *out << example.formula;
}

class TransResults : public ::testing::TestWithParam<ResultCase> {};

TEST_P(TransResults, ResultIsTheRelationalTranslation) {
    const TransOutcome outcome = TRANS(GetParam().formula);
    ASSERT_TRUE(outcome.translated()) << outcome.message;
    EXPECT_EQ(outcome.result, GetParam().result);
    EXPECT_TRUE(outcome.message.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, TransResults,
    ::testing::Values(ResultCase{"Letter", "p", "Pu"}, ResultCase{"NegatedLetter", "#p", "#Pu"},
                      ResultCase{"TopLevelConjunction", "p+q", "Pu+Qu"},
                      ResultCase{"InnerParenthesesKept", "(p+q)+r", "(Pu+Qu)+Ru"},
                      ResultCase{"RepeatedLetter", "p+p", "Pu+Pu"},
                      ResultCase{"NestedNecessity", "!!p", "^v(Suv-^w(Svw-Pw))"},
                      ResultCase{"NecessityOfNegation", "!#p", "^v(Suv-#Pv)"},
                      ResultCase{"NegationOfNecessity", "#!p", "#^v(Suv-Pv)"},
                      ResultCase{"NecessityOfCompound", "!(p+q)", "^v(Suv-(Pv+Qv))"},
                      ResultCase{"NecessityOfCompoundWithNecessity", "!(p+!q)", "^v(Suv-(Pv+^w(Svw-Qw)))"},
                      ResultCase{"SiblingNecessities", "!p+!q", "^v(Suv-Pv)+^v(Suv-Qv)"},
                      ResultCase{"NecessaryFalsum", "!*", "^v(Suv-u~u)"},
                      ResultCase{"FormulaVariable", "%", "TRANS/(%)[u]"},
                      ResultCase{"LetterSSharesTheRelationLetter", "s", "Su"},
                      ResultCase{"Possibility", "\"p", "`v(Suv+Pv)"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, TransResults,
    ::testing::Values(
        ResultCase{"SameLetterThreeTimesUnderNecessity", "!p+(!p+!p)", "^v(Suv-Pv)+(^v(Suv-Pv)+^v(Suv-Pv))"},
        ResultCase{"SameLetterEverywhereInsideScopes", "!(p+p)+#(p+!p)", "^v(Suv-(Pv+Pv))+#(Pu+^v(Suv-Pv))"},
        ResultCase{"SiblingsInsideAScopeShareTheNextLetter", "!(!p+\"q)", "^v(Suv-(^w(Svw-Pw)+`w(Svw+Qw)))"},
        ResultCase{"NestedScopesTakeTheFollowingLetters", "!\"!p", "^v(Suv-`w(Svw+^x(Swx-Px)))"},
        ResultCase{"AtomOutsideANestedScopeStaysAtItsWorld", "!(!!p+q)", "^v(Suv-(^w(Svw-^x(Swx-Px))+Qv))"},
        ResultCase{"NegationStaysInPlaceBeforeAQuantifier", "#\"#!#p", "#`v(Suv+#^w(Svw-#Pw))"},
        ResultCase{"NegatedCompoundInsideAScope", "!#(p.q)", "^v(Suv-#(Pv.Qv))"},
        ResultCase{"ModalChainOverACompound", "!\"(p-q)", "^v(Suv-`w(Svw+(Pw-Qw)))"},
        ResultCase{"FalsumAlwaysReadsAtU", "!!!*,*", "^v(Suv-^w(Svw-^x(Swx-u~u))),u~u"},
        ResultCase{"FormulaVariablesKeepTheirWorld", "!($+;)-'",
                   "^v(Suv-(TRANS/($)[v]+TRANS/(;)[v]))-TRANS/(')[u]"},
        ResultCase{"RepeatedFormulaVariable", "%+!%", "TRANS/(%)[u]+^v(Suv-TRANS/(%)[v])"},
        ResultCase{"EveryConnectivePassesThrough", "((p+q),(r-s)).t", "((Pu+Qu),(Ru-Su)).Tu"},
        ResultCase{"ParenthesisedFirstOperandOnly", "(p+q)-r", "(Pu+Qu)-Ru"},
        ResultCase{"ParenthesisedSecondOperandOnly", "p-(q+r)", "Pu-(Qu+Ru)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TransState, NothingOfAPreviousTranslationLeaksIntoTheNext) {
    const TransOutcome first = TRANS("!p");
    ASSERT_TRUE(TRANS("p+(p+(p+p))").translated());
    const TransOutcome again = TRANS("!p");
    EXPECT_EQ(again.result, first.result);
    EXPECT_EQ(again.stepText, first.stepText);
}

} // namespace
} // namespace zudaviror
