// The TPTP problems of zudaviror-cli --tptp, handed to E: a valid formula's problem is proved, an
// invalid one's is not, and both parse.
#include "zudaviror/tptp_problem.h"
#include "zudaviror/trans.h"

#include "suite_testing/scratch_folder.h"
#include "suite_testing/shell_command.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace zudaviror {

namespace {

struct ProblemCase {
    const char* name;
    const char* K;
    ModalSystem system;
    bool theorem;
};

void PrintTo(const ProblemCase& c, std::ostream* out) {
    *out << c.name;
}

const ProblemCase kProblems[] = {
    {"FourInS4", "!p-!!p", ModalSystem::S4, true},
    {"FiveInS5", "\"p-!\"p", ModalSystem::S5, true},
    {"DInD", "!p-\"p", ModalSystem::D, true},
    {"FalsumRendered", "#*", ModalSystem::K, true},
    {"FormulaVariables", "(%+$)-(!%,$)", ModalSystem::T, true},
    {"TInK", "!p-p", ModalSystem::K, false},
    {"BInS4", "s-!\"s", ModalSystem::S4, false},
};

class TptpProblem : public ::testing::TestWithParam<ProblemCase> {};

TEST_P(TptpProblem, IsProvedByEOnlyWhenValid) {
    if (!suite::testing::toolInstalled("eprover")) {
        GTEST_SKIP() << "eprover is not installed";
    }
    const ProblemCase& c = GetParam();
    const TransOutcome translation = TRANS(c.K);
    const WorldFormulaRead read = readWorldFormula(translation.result);
    ASSERT_TRUE(read.value) << read.reason;
    const suite::testing::ScratchFolder folder;
    suite::testing::writeFile(folder / "problem.p", tptpProblem(c.K, *read.value, c.system));
    const suite::testing::ShellRun run = suite::testing::runShell(
        "eprover --auto --tstp-format --cpu-limit=20 " + suite::testing::shellQuoted(folder / "problem.p"));
    EXPECT_EQ(run.output.find("SyntaxError"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("SZS status Theorem") != std::string::npos, c.theorem) << run.output;
    EXPECT_NE(run.output.find(c.theorem ? "SZS status Theorem" : "SZS status CounterSatisfiable"),
              std::string::npos)
        << run.output;
}

INSTANTIATE_TEST_SUITE_P(Problems, TptpProblem, ::testing::ValuesIn(kProblems),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

} // namespace zudaviror
