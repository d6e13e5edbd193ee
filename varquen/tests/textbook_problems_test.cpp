// Pelletier's first-order problems ("Seventy-five problems for testing automatic theorem
// provers", 1986), numbers 18 to 62 but for the three largest (38, 47 and 55), written out in the
// program's syntax with ↔ spelled as two implications, a few of them over several universes, and
// classic invalid arguments: every one is answered, none unknown, each invalid one with a
// countermodel that the tests' own evaluation finds false.
#include "many_sorted_formulas.h"

#include "varquen/tptp.h"
#include "varquen/translation_reader.h"
#include "varquen/validity_question.h"

#include "suite/tptp_prover.h"
#include "suite_testing/shell_command.h"

#include <gtest/gtest.h>

#include <chrono>

#include <iterator>
#include <string>
#include <vector>

namespace varquen::testing {
namespace {

Term v(const char* name) {
    return var(name);
}
Formula r(const char* relation, const char* x) {
    return rel(relation, {var(x)});
}
Formula r(const char* relation, Term x, Term y) {
    return rel(relation, {std::move(x), std::move(y)});
}
Formula iff(const Formula& left, const Formula& right) {
    return conj(imp(left, right), imp(right, left));
}
Formula all(std::initializer_list<const char*> variables, Formula body) {
    for (auto it = std::rbegin(variables); it != std::rend(variables); ++it) {
        body = forAll(*it, std::move(body));
    }
    return body;
}
Formula some(std::initializer_list<const char*> variables, Formula body) {
    for (auto it = std::rbegin(variables); it != std::rend(variables); ++it) {
        body = exists(*it, std::move(body));
    }
    return body;
}
Formula both(Formula a, Formula b) {
    return conj(std::move(a), std::move(b));
}
Formula either(Formula a, Formula b) {
    return disj(std::move(a), std::move(b));
}
// (h1 ∧ h2 ∧ …) → conclusion.
Formula entails(std::vector<Formula> hypotheses, Formula conclusion) {
    Formula premises = hypotheses[0];
    for (std::size_t i = 1; i < hypotheses.size(); ++i) {
        premises = conj(std::move(premises), hypotheses[i]);
    }
    return imp(std::move(premises), std::move(conclusion));
}
Term fx(const char* function, Term argument) {
    return fn(function, {std::move(argument)});
}
Term h(Term left, Term right) {
    return fn("h", {std::move(left), std::move(right)});
}
Term k(const char* constant) {
    return fn(constant);
}

// Properties and a proposition p over one universe; a, b, c, d constants; f, g unary, h binary.
TestSignature monadic() {
    TestSignature signature{{"A"}, {{"x", 1}, {"y", 1}, {"z", 1}, {"w", 1}}, {}, {}};
    for (const char* constant : {"a", "b", "c", "d"}) {
        signature.functions.push_back({constant, 1, {}});
    }
    signature.functions.push_back({"f", 1, {1}});
    signature.functions.push_back({"g", 1, {1}});
    signature.functions.push_back({"h", 1, {1, 1}});
    signature.functions.push_back({"p", 0, {}});
    for (const char* property : {"F", "G", "H", "I", "J", "K", "P", "Q", "R", "S"}) {
        signature.relations.push_back({property, 1});
    }
    return signature;
}

// The same with binary relations F, H, J, P, Q, R and properties G, K, L, M.
TestSignature dyadic() {
    TestSignature signature = monadic();
    signature.variables.push_back({"u", 1});
    signature.relations.clear();
    for (const char* relation : {"F", "H", "J", "P", "Q", "R"}) {
        signature.relations.push_back({relation, 2});
    }
    for (const char* property : {"G", "K", "L", "M"}) {
        signature.relations.push_back({property, 1});
    }
    return signature;
}

// Two universes: people (A: x, y) and things (B: z, w), a relation between them, properties of
// each (F, J of people, G of things).
TestSignature twoSorted() {
    return {{"A", "B"},
            {{"x", 1}, {"y", 1}, {"z", 2}, {"w", 2}},
            {{"a", 1, {}}, {"f", 2, {1}}},
            {{"F", 1}, {"G", 1}, {"J", 1}, {"H", 2}, {"M", 2}}};
}

struct Problem {
    const char* name;
    TestSignature (*signature)();
    Formula formula;
    suite::Validity expected = suite::Validity::Valid;
    std::size_t individuals = 0; // of the smallest countermodel, when not valid
};

std::ostream& operator<<(std::ostream& out, const Problem& problem) {
    return out << problem.name;
}

class TextbookProblem : public ::testing::TestWithParam<Problem> {};

TEST_P(TextbookProblem, IsAnsweredAsTheTextbookSays) {
    const TestSignature signature = GetParam().signature();
    SilentNotifier notifier;
    const ProblemRead read =
        validityProblem(signature.declarations(), formulaText(GetParam().formula), notifier);
    ASSERT_TRUE(read.value) << read.reason;
    const ValidityAnswer answer = askProver(*read.value);
    ASSERT_EQ(answer.verdict.validity, GetParam().expected) << suite::verdictLine(answer.verdict);
    // E alone, on the typed problem, proves every valid one.
    if (GetParam().expected == suite::Validity::Valid && suite::testing::toolInstalled("eprover")) {
        const suite::TptpProverAnswer e = suite::askTptpProver(
            suite::eproverCommand(std::chrono::seconds(10), 400), "E", tptpOriginal(*read.value),
            std::chrono::steady_clock::now() + std::chrono::seconds(10), {});
        EXPECT_EQ(e.status, suite::SzsStatus::Theorem) << e.reason;
    }
    if (answer.countermodel) {
        EXPECT_FALSE(holdsIn(*answer.countermodel, signature, GetParam().formula));
        EXPECT_EQ(individualsOf(*answer.countermodel), GetParam().individuals);
    }
}

const Formula p = pred("p");

INSTANTIATE_TEST_SUITE_P(
    Pelletier, TextbookProblem,
    ::testing::Values(
        Problem{"P18", monadic, some({"y"}, all({"x"}, imp(r("F", "y"), r("F", "x"))))},
        Problem{
            "P19", monadic,
            some({"x"}, all({"y", "z"}, imp(imp(r("P", "y"), r("Q", "z")), imp(r("P", "x"), r("Q", "x")))))},
        Problem{"P20", monadic,
                imp(all({"x", "y"}, some({"z"}, all({"w"}, imp(both(r("P", "x"), r("Q", "y")),
                                                               both(r("R", "z"), r("S", "w")))))),
                    imp(some({"x", "y"}, both(r("P", "x"), r("Q", "y"))), some({"z"}, r("R", "z"))))},
        Problem{"P21", monadic,
                entails({some({"x"}, imp(p, r("F", "x"))), some({"x"}, imp(r("F", "x"), p))},
                        some({"x"}, iff(p, r("F", "x"))))},
        Problem{"P22", monadic, imp(all({"x"}, iff(p, r("F", "x"))), iff(p, all({"x"}, r("F", "x"))))},
        Problem{"P23", monadic, iff(all({"x"}, either(p, r("F", "x"))), either(p, all({"x"}, r("F", "x"))))},
        Problem{"P24", monadic,
                entails({neg(some({"x"}, both(r("S", "x"), r("Q", "x")))),
                         all({"x"}, imp(r("P", "x"), either(r("Q", "x"), r("R", "x")))),
                         imp(neg(some({"x"}, r("P", "x"))), some({"y"}, r("Q", "y"))),
                         all({"x"}, imp(either(r("Q", "x"), r("R", "x")), r("S", "x")))},
                        some({"x"}, both(r("P", "x"), r("R", "x"))))},
        Problem{"P25", monadic,
                entails({some({"x"}, r("P", "x")),
                         all({"x"}, imp(r("F", "x"), both(neg(r("G", "x")), r("R", "x")))),
                         all({"x"}, imp(r("P", "x"), both(r("G", "x"), r("F", "x")))),
                         either(all({"x"}, imp(r("P", "x"), r("Q", "x"))),
                                some({"x"}, both(r("P", "x"), r("R", "x"))))},
                        some({"x"}, both(r("Q", "x"), r("P", "x"))))},
        Problem{"P26", monadic,
                entails({iff(some({"x"}, r("P", "x")), some({"x"}, r("Q", "x"))),
                         all({"x", "y"}, imp(both(r("P", "x"), r("Q", "y")), iff(r("R", "x"), r("S", "y"))))},
                        iff(all({"x"}, imp(r("P", "x"), r("R", "x"))),
                            all({"x"}, imp(r("Q", "x"), r("S", "x")))))},
        Problem{"P27", monadic,
                entails({some({"x"}, both(r("F", "x"), neg(r("G", "x")))),
                         all({"x"}, imp(r("F", "x"), r("H", "x"))),
                         all({"x"}, imp(both(r("J", "x"), r("I", "x")), r("F", "x"))),
                         imp(some({"x"}, both(r("H", "x"), neg(r("G", "x")))),
                             all({"x"}, imp(r("I", "x"), neg(r("H", "x")))))},
                        all({"x"}, imp(r("J", "x"), neg(r("I", "x")))))},
        Problem{"P28", monadic,
                entails({all({"x"}, imp(r("P", "x"), all({"x"}, r("Q", "x")))),
                         imp(all({"x"}, either(r("Q", "x"), r("R", "x"))),
                             some({"x"}, both(r("Q", "x"), r("S", "x")))),
                         imp(some({"x"}, r("S", "x")), all({"x"}, imp(r("F", "x"), r("G", "x"))))},
                        all({"x"}, imp(both(r("P", "x"), r("F", "x")), r("G", "x"))))},
        Problem{"P29", monadic,
                entails({some({"x"}, r("F", "x")), some({"x"}, r("G", "x"))},
                        iff(both(all({"x"}, imp(r("F", "x"), r("H", "x"))),
                                 all({"x"}, imp(r("G", "x"), r("J", "x")))),
                            all({"x", "y"},
                                imp(both(r("F", "x"), r("G", "y")), both(r("H", "x"), r("J", "y"))))))},
        Problem{"P30", monadic,
                entails({all({"x"}, imp(either(r("F", "x"), r("G", "x")), neg(r("H", "x")))),
                         all({"x"}, imp(imp(r("G", "x"), neg(r("I", "x"))), both(r("F", "x"), r("H", "x"))))},
                        all({"x"}, r("I", "x")))},
        Problem{"P31", monadic,
                entails({neg(some({"x"}, both(r("F", "x"), either(r("G", "x"), r("H", "x"))))),
                         some({"x"}, both(r("I", "x"), r("F", "x"))),
                         all({"x"}, imp(neg(r("H", "x")), r("J", "x")))},
                        some({"x"}, both(r("I", "x"), r("J", "x"))))},
        Problem{"P32", monadic,
                entails({all({"x"}, imp(both(r("F", "x"), either(r("G", "x"), r("H", "x"))), r("I", "x"))),
                         all({"x"}, imp(both(r("I", "x"), r("H", "x")), r("J", "x"))),
                         all({"x"}, imp(r("K", "x"), r("H", "x")))},
                        all({"x"}, imp(both(r("F", "x"), r("K", "x")), r("J", "x"))))},
        Problem{"P33", monadic,
                iff(all({"x"}, imp(both(rel("P", {k("a")}), imp(r("P", "x"), rel("P", {k("b")}))),
                                   rel("P", {k("c")}))),
                    all({"x"}, both(either(either(neg(rel("P", {k("a")})), r("P", "x")), rel("P", {k("c")})),
                                    either(either(neg(rel("P", {k("a")})), neg(rel("P", {k("b")}))),
                                           rel("P", {k("c")})))))},
        Problem{"P34", monadic,
                iff(iff(some({"x"}, all({"y"}, iff(r("P", "x"), r("P", "y")))),
                        iff(some({"x"}, r("Q", "x")), all({"y"}, r("Q", "y")))),
                    iff(some({"x"}, all({"y"}, iff(r("Q", "x"), r("Q", "y")))),
                        iff(some({"x"}, r("P", "x")), all({"y"}, r("P", "y")))))},
        Problem{"P35", dyadic,
                some({"x", "y"}, imp(r("P", v("x"), v("y")), all({"x", "y"}, r("P", v("x"), v("y")))))},
        Problem{"P36", dyadic,
                entails({all({"x"}, some({"y"}, r("F", v("x"), v("y")))),
                         all({"x"}, some({"y"}, r("J", v("x"), v("y")))),
                         all({"x", "y"},
                             imp(either(r("F", v("x"), v("y")), r("J", v("x"), v("y"))),
                                 all({"z"}, imp(either(r("F", v("y"), v("z")), r("J", v("y"), v("z"))),
                                                r("H", v("x"), v("z"))))))},
                        all({"x"}, some({"y"}, r("H", v("x"), v("y")))))},
        Problem{
            "P37", dyadic,
            entails({all({"z"},
                         some({"w"},
                              all({"x"},
                                  some({"y"}, both(both(imp(r("P", v("x"), v("z")), r("P", v("y"), v("w"))),
                                                        r("P", v("y"), v("z"))),
                                                   imp(r("P", v("y"), v("w")),
                                                       some({"u"}, r("Q", v("u"), v("w"))))))))),
                     all({"x", "z"}, imp(neg(r("P", v("x"), v("z"))), some({"y"}, r("Q", v("y"), v("z"))))),
                     imp(some({"x", "y"}, r("Q", v("x"), v("y"))), all({"x"}, r("R", v("x"), v("x"))))},
                    all({"x"}, some({"y"}, r("R", v("x"), v("y")))))},
        Problem{"P39", dyadic,
                neg(some({"x"}, all({"y"}, iff(r("F", v("y"), v("x")), neg(r("F", v("y"), v("y")))))))},
        Problem{"P40", dyadic,
                imp(some({"y"}, all({"x"}, iff(r("F", v("x"), v("y")), r("F", v("x"), v("x"))))),
                    neg(all({"x"}, some({"y"}, all({"z"}, iff(r("F", v("z"), v("y")),
                                                              neg(r("F", v("z"), v("x")))))))))},
        Problem{"P41", dyadic,
                imp(all({"z"}, some({"y"}, all({"x"}, iff(r("F", v("x"), v("y")),
                                                          both(r("F", v("x"), v("z")),
                                                               neg(r("F", v("x"), v("x")))))))),
                    neg(some({"z"}, all({"x"}, r("F", v("x"), v("z"))))))},
        Problem{"P42", dyadic,
                neg(some({"y"}, all({"x"}, iff(r("F", v("x"), v("y")),
                                               neg(some({"z"}, both(r("F", v("x"), v("z")),
                                                                    r("F", v("z"), v("x")))))))))},
        Problem{"P43", dyadic,
                imp(all({"x", "y"}, iff(r("Q", v("x"), v("y")),
                                        all({"z"}, iff(r("F", v("z"), v("x")), r("F", v("z"), v("y")))))),
                    all({"x", "y"}, iff(r("Q", v("x"), v("y")), r("Q", v("y"), v("x")))))},
        Problem{
            "P44", dyadic,
            entails({all({"x"},
                         imp(r("K", "x"), both(some({"y"}, both(r("G", "y"), r("H", v("x"), v("y")))),
                                               some({"y"}, both(r("G", "y"), neg(r("H", v("x"), v("y")))))))),
                     some({"x"}, both(r("L", "x"), all({"y"}, imp(r("G", "y"), r("H", v("x"), v("y"))))))},
                    some({"x"}, both(r("L", "x"), neg(r("K", "x")))))},
        Problem{
            "P45", dyadic,
            entails(
                {all({"x"}, imp(both(r("K", "x"), all({"y"}, imp(both(r("G", "y"), r("H", v("x"), v("y"))),
                                                                 r("J", v("x"), v("y"))))),
                                all({"y"}, imp(both(r("G", "y"), r("H", v("x"), v("y"))), r("M", "y"))))),
                 neg(some({"y"}, both(r("L", "y"), r("M", "y")))),
                 some({"x"}, both(both(r("K", "x"), all({"y"}, imp(r("H", v("x"), v("y")), r("L", "y")))),
                                  all({"y"}, imp(both(r("G", "y"), r("H", v("x"), v("y"))),
                                                 r("J", v("x"), v("y"))))))},
                some({"x"}, both(r("K", "x"), neg(some({"y"}, both(r("G", "y"), r("H", v("x"), v("y"))))))))},
        Problem{"P46", dyadic,
                entails({all({"x"},
                             imp(both(r("K", "x"), all({"y"}, imp(both(r("K", "y"), r("H", v("y"), v("x"))),
                                                                  r("G", "y")))),
                                 r("G", "x"))),
                         imp(some({"x"}, both(r("K", "x"), neg(r("G", "x")))),
                             some({"x"}, both(both(r("K", "x"), neg(r("G", "x"))),
                                              all({"y"}, imp(both(r("K", "y"), neg(r("G", "y"))),
                                                             r("J", v("x"), v("y"))))))),
                         all({"x", "y"}, imp(both(both(r("K", "x"), r("K", "y")), r("H", v("x"), v("y"))),
                                             neg(r("J", v("y"), v("x")))))},
                        all({"x"}, imp(r("K", "x"), r("G", "x"))))},
        Problem{"P48", monadic,
                entails({either(eq(k("a"), k("b")), eq(k("c"), k("d"))),
                         either(eq(k("a"), k("c")), eq(k("b"), k("d")))},
                        either(eq(k("a"), k("d")), eq(k("b"), k("c"))))},
        Problem{"P49", monadic,
                entails({some({"x", "y"}, all({"z"}, either(eq(v("z"), v("x")), eq(v("z"), v("y"))))),
                         both(rel("P", {k("a")}), rel("P", {k("b")})), neg(eq(k("a"), k("b")))},
                        all({"x"}, r("P", "x")))},
        Problem{"P50", dyadic,
                imp(all({"x"}, either(r("F", k("a"), v("x")), all({"y"}, r("F", v("x"), v("y"))))),
                    some({"x"}, all({"y"}, r("F", v("x"), v("y")))))},
        Problem{"P51", dyadic,
                imp(some({"z", "w"}, all({"x", "y"}, iff(r("F", v("x"), v("y")),
                                                         both(eq(v("x"), v("z")), eq(v("y"), v("w")))))),
                    some({"z"}, all({"x"}, iff(some({"w"}, all({"y"}, iff(r("F", v("x"), v("y")),
                                                                          eq(v("y"), v("w"))))),
                                               eq(v("x"), v("z"))))))},
        Problem{"P52", dyadic,
                imp(some({"z", "w"}, all({"x", "y"}, iff(r("F", v("x"), v("y")),
                                                         both(eq(v("x"), v("z")), eq(v("y"), v("w")))))),
                    some({"w"}, all({"y"}, iff(some({"z"}, all({"x"}, iff(r("F", v("x"), v("y")),
                                                                          eq(v("x"), v("z"))))),
                                               eq(v("y"), v("w"))))))},
        Problem{
            "P54", dyadic,
            imp(all({"y"}, some({"z"}, all({"x"}, iff(r("F", v("x"), v("z")), eq(v("x"), v("y")))))),
                neg(some({"w"},
                         all({"x"},
                             iff(r("F", v("x"), v("w")),
                                 all({"u"}, imp(r("F", v("x"), v("u")),
                                                some({"y"}, both(r("F", v("y"), v("u")),
                                                                 neg(some({"z"}, both(r("F", v("z"), v("u")),
                                                                                      r("F", v("z"),
                                                                                        v("y"))))))))))))))},
        Problem{"P56", monadic,
                iff(all({"x"}, imp(some({"y"}, both(r("F", "y"), eq(v("x"), fx("f", v("y"))))), r("F", "x"))),
                    all({"x"}, imp(r("F", "x"), rel("F", {fx("f", v("x"))}))))},
        Problem{"P57", dyadic,
                entails({r("F", h(k("a"), k("b")), h(k("b"), k("c"))),
                         r("F", h(k("b"), k("c")), h(k("a"), k("c"))),
                         all({"x", "y", "z"}, imp(both(r("F", v("x"), v("y")), r("F", v("y"), v("z"))),
                                                  r("F", v("x"), v("z"))))},
                        r("F", h(k("a"), k("b")), h(k("a"), k("c"))))},
        Problem{"P58", monadic,
                imp(all({"x", "y"}, eq(fx("f", v("x")), fx("g", v("y")))),
                    all({"x", "y"}, eq(fx("f", fx("f", v("x"))), fx("f", fx("g", v("y"))))))},
        Problem{"P59", monadic,
                imp(all({"x"}, iff(r("F", "x"), neg(rel("F", {fx("f", v("x"))})))),
                    some({"x"}, both(r("F", "x"), neg(rel("F", {fx("f", v("x"))})))))},
        Problem{"P60", dyadic,
                all({"x"}, iff(r("F", v("x"), fx("f", v("x"))),
                               some({"y"}, both(all({"z"}, imp(r("F", v("z"), v("y")),
                                                               r("F", v("z"), fx("f", v("x"))))),
                                                r("F", v("x"), v("y"))))))},
        Problem{"P61", monadic,
                imp(all({"x", "y", "z"}, eq(h(v("x"), h(v("y"), v("z"))), h(h(v("x"), v("y")), v("z")))),
                    all({"x", "y", "z", "w"}, eq(h(v("x"), h(v("y"), h(v("z"), v("w")))),
                                                 h(h(h(v("x"), v("y")), v("z")), v("w")))))},
        Problem{"P62", monadic,
                iff(all({"x"}, imp(both(rel("F", {k("a")}), imp(r("F", "x"), rel("F", {fx("f", v("x"))}))),
                                   rel("F", {fx("f", fx("f", v("x")))}))),
                    all({"x"}, both(either(either(neg(rel("F", {k("a")})), r("F", "x")),
                                           rel("F", {fx("f", fx("f", v("x")))})),
                                    either(either(neg(rel("F", {k("a")})), neg(rel("F", {fx("f", v("x"))}))),
                                           rel("F", {fx("f", fx("f", v("x")))})))))}),
    [](const ::testing::TestParamInfo<Problem>& info) { return std::string(info.param.name); });

// Over two universes: people and things, each quantifier over its own.
INSTANTIATE_TEST_SUITE_P(
    ManySorted, TextbookProblem,
    ::testing::Values(
        // Pelletier 44 with the relation between people and things.
        Problem{
            "P44", twoSorted,
            entails({all({"x"},
                         imp(r("F", "x"), both(some({"z"}, both(r("G", "z"), r("H", v("x"), v("z")))),
                                               some({"z"}, both(r("G", "z"), neg(r("H", v("x"), v("z")))))))),
                     some({"x"}, both(r("J", "x"), all({"z"}, imp(r("G", "z"), r("H", v("x"), v("z"))))))},
                    some({"x"}, both(r("J", "x"), neg(r("F", "x")))))},
        // Pelletier 18 and 35 with the witness in the other universe.
        Problem{"P18", twoSorted, some({"z"}, all({"w"}, imp(r("G", "z"), r("G", "w"))))},
        Problem{"P35", twoSorted,
                some({"x", "z"}, imp(r("H", v("x"), v("z")), all({"y", "w"}, r("H", v("y"), v("w")))))},
        // Everyone owns the thing f gives them; so each person owns something.
        Problem{"Ownership", twoSorted,
                imp(all({"x"}, r("M", v("x"), fx("f", v("x")))),
                    all({"y"}, some({"w"}, r("M", v("y"), v("w")))))},
        // Classic invalid arguments: the quantifier shift, a converse, an undistributed middle.
        Problem{"QuantifierShift", twoSorted,
                imp(all({"x"}, some({"z"}, r("H", v("x"), v("z")))),
                    some({"z"}, all({"x"}, r("H", v("x"), v("z"))))),
                suite::Validity::NotValid, 4},
        Problem{"SomeAreSoAllAre", twoSorted, imp(some({"x"}, r("F", "x")), all({"x"}, r("F", "x"))),
                suite::Validity::NotValid, 3},
        Problem{"UndistributedMiddle", twoSorted,
                entails({all({"x"}, imp(r("F", "x"), r("J", "x"))), some({"x"}, r("J", "x"))},
                        some({"x"}, r("F", "x"))),
                suite::Validity::NotValid, 2}),
    [](const ::testing::TestParamInfo<Problem>& info) { return std::string(info.param.name); });

} // namespace
} // namespace varquen::testing
