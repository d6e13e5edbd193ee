// The TPTP problems as other provers read them: E proves a valid formula's problems, the
// translation's (fof) and the original's (tff), and proves neither of an invalid one's.
#include "many_sorted_formulas.h"

#include "varquen/tptp.h"
#include "varquen/translation_reader.h"

#include "suite_testing/scratch_folder.h"
#include "suite_testing/shell_command.h"

#include <gtest/gtest.h>

namespace varquen::testing {
namespace {

struct Case {
    const char* name;
    Formula formula;
    bool valid;
};

std::ostream& operator<<(std::ostream& out, const Case& row) {
    return out << row.name;
}

// E's SZS status line for the problem.
std::string statusOfE(const std::filesystem::path& problem) {
    const suite::testing::ShellRun run =
        suite::testing::runShell("eprover --auto -s --cpu-limit=10 " + suite::testing::shellQuoted(problem));
    const std::size_t status = run.output.find("# SZS status ");
    return status == std::string::npos ? run.output
                                       : run.output.substr(status, run.output.find('\n', status) - status);
}

class TptpForE : public ::testing::TestWithParam<Case> {};

TEST_P(TptpForE, ProvesTheProblemsOfValidFormulasOnly) {
    if (!suite::testing::toolInstalled("eprover")) {
        GTEST_SKIP() << "eprover is not installed";
    }
    SilentNotifier notifier;
    const ProblemRead read =
        validityProblem(exampleSignature().declarations(), formulaText(GetParam().formula), notifier);
    ASSERT_TRUE(read.value) << read.reason;
    const suite::testing::ScratchFolder folder;
    suite::testing::writeFile(folder / "translation.p", tptpProblem(*read.value));
    suite::testing::writeFile(folder / "original.p", tptpOriginal(*read.value));
    const std::string expected =
        GetParam().valid ? "# SZS status Theorem" : "# SZS status CounterSatisfiable";
    EXPECT_EQ(statusOfE(folder / "translation.p"), expected);
    EXPECT_EQ(statusOfE(folder / "original.p"), expected);
}

INSTANTIATE_TEST_SUITE_P(
    ManySorted, TptpForE,
    ::testing::Values(Case{"EqualityAcrossUniverses", neg(eq(var("x"), var("z"))), true},
                      Case{"FunctionIntoItsUniverse", forAll("z", in("A", fn("f", {var("z")}))), true},
                      Case{"DrinkerWithFreeVariable",
                           imp(rel("S", {var("y"), var("z")}),
                               exists("x", imp(pred("p", {var("x")}), forAll("y", pred("p", {var("y")}))))),
                           true},
                      Case{"FreeVariableIsNotEveryValue", rel("R", {var("x")}), false},
                      Case{"RelationOnMixedUniverses",
                           imp(rel("S", {var("x"), var("z")}), rel("S", {var("z"), var("x")})), false}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

// A relation is named once per tuple of its arguments' universes; with universes A, A_B and
// B_A, R over (A, B_A) and R over (A_B, A) both spelled R_A_B_A, and E refused the problem.
TEST(TptpForE, RelationTypingsHaveNamesOfTheirOwn) {
    if (!suite::testing::toolInstalled("eprover")) {
        GTEST_SKIP() << "eprover is not installed";
    }
    SilentNotifier notifier;
    const ProblemRead read = validityProblem({{"A", "A_B", "B_A"}, {"a:1", "b:3", "c:2"}, {}, {"R:2"}},
                                             "imp R a b R c a", notifier);
    ASSERT_TRUE(read.value) << read.reason;
    const suite::testing::ScratchFolder folder;
    suite::testing::writeFile(folder / "original.p", tptpOriginal(*read.value));
    EXPECT_EQ(statusOfE(folder / "original.p"), "# SZS status CounterSatisfiable");
}

} // namespace
} // namespace varquen::testing
