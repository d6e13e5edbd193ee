// The real zudaviror-cli, killed by strace as it enters its n-th write(), for every n: the log
// it leaves must hold whole blocks only.

#include "largest_formula.h"

#include "zudaviror/log_format.h"
#include "zudaviror/trans.h"

#include "suite_testing/killed_run.h"
#include "suite_testing/scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>

namespace zudaviror {
namespace {

using suite::testing::KilledRun;
using suite::testing::readFile;
using suite::testing::runKilledAtCall;

// The clock and date fields as '#', so that blocks written at different moments compare.
std::string withoutTimes(const std::string& log) {
    static const std::regex times("\\d\\d:\\d\\d:\\d\\d [AP]M|\\d\\d_\\d\\d_\\d\\d");
    return std::regex_replace(log, times, "#");
}

// Every write() of the run in turn: the header, the record (longer than a stdio buffer, with its
// steps) and standard output, until a run ends before its n-th write.
TEST(CliKilled, TheLogHoldsWholeBlocksWhereverTheRunIsKilled) {
    const std::string formula = testing::largestFormulaWithinTheLimits();
    const TransOutcome outcome = TRANS(formula);
    ASSERT_TRUE(outcome.translated());
    const LocalTime anyTime{.year = 2026, .month = 1, .day = 1, .hour = 0, .minute = 0, .second = 0};
    const std::string header = withoutTimes(sessionHeader(anyTime));
    const std::string record =
        withoutTimes(translationRecord(anyTime, formula, outcome.result, outcome.stepText, true));
    const std::string before = "previo";

    KilledRun run = KilledRun::Killed;
    for (int n = 1; run == KilledRun::Killed && n <= 20; ++n) {
        SCOPED_TRACE("killed at write " + std::to_string(n));
        const suite::testing::ScratchFolder scratch;
        const std::filesystem::path log = scratch / "log.txt";
        suite::testing::writeFile(log, before);
        run = runKilledAtCall(
            ZUDAVIROR_CLI " --steps --log '" + log.string() + "' '" + formula + "' >/dev/null", "write", n);
        if (run == KilledRun::NoStrace) {
            GTEST_SKIP() << "strace is not installed";
        }
        const std::string left = withoutTimes(readFile(log));
        EXPECT_TRUE(left == before || left == before + header || left == before + header + record)
            << left.size() << " bytes, not whole blocks";
        if (run == KilledRun::Finished) {
            EXPECT_EQ(left, before + header + record);
            EXPECT_GE(n, 4) << "the header, the record and standard output are each written";
        }
    }
    EXPECT_EQ(run, KilledRun::Finished);
}

} // namespace
} // namespace zudaviror
