// Allocation failure during a translation, simulated by failing one chosen allocation.

#include "fakes.h"
#include "suite_testing/failing_allocation.h"

#include "suite/latin1.h"
#include "zudaviror/keypad.h"
#include "zudaviror/messages.h"
#include "zudaviror/trans.h"

#include <gtest/gtest.h>

namespace zudaviror {
namespace {

constexpr const char* kFormula = "!(p+!q)+\"(r+%)";

TEST(OutOfMemory, TransReportsEveryFailedAllocationWithoutAPartialResult) {
    const TransOutcome expected = TRANS(kFormula);
    ASSERT_TRUE(expected.translated());
    int failures = 0;
    for (long allocation = 0;; ++allocation) {
        TransOutcome outcome;
        {
            const suite::testing::FailingAllocation failing(allocation);
            outcome = TRANS(kFormula);
        }
        if (outcome.translated()) {
            EXPECT_EQ(outcome.result, expected.result);
            EXPECT_EQ(outcome.stepText, expected.stepText);
            break;
        }
        ++failures;
        ASSERT_EQ(outcome.status, TransStatus::OutOfMemory) << "allocation " << allocation;
        EXPECT_TRUE(outcome.result.empty());
        EXPECT_TRUE(outcome.stepText.empty());
    }
    EXPECT_GT(failures, 10);
}

TEST(OutOfMemory, TheKeypadShowsTheMessageAndLogsNothing) {
    int failures = 0;
    for (long allocation = 0;; ++allocation) {
        testing::LogHarness harness({});
        harness.chooser.choice = "log";
        harness.log.toggleLogSession();
        const std::string header = harness.appender.files["log"];
        Keypad keypad(harness.log, harness.notifier);
        keypad.toggleStepDisplay();
        for (const char code : std::string_view(kFormula)) {
            ASSERT_TRUE(keypad.pressKey(findSymbolKeyForCode(code)->name));
        }
        TranslateCommandResult result;
        {
            const suite::testing::FailingAllocation failing(allocation);
            result = keypad.translateCommand();
        }
        if (result == TranslateCommandResult::Translated) {
            EXPECT_GT(harness.appender.files["log"].size(), header.size());
            break;
        }
        ++failures;
        ASSERT_EQ(result, TranslateCommandResult::OutOfMemory) << "allocation " << allocation;
        ASSERT_EQ(harness.notifier.messages.size(), 1u);
        EXPECT_EQ(harness.notifier.messages[0], suite::latin1FromUtf8("IMPOSIBLE RESERVAR MÁS MEMORIA."));
        EXPECT_EQ(harness.appender.files["log"], header);
        EXPECT_EQ(keypad.result(), "");
        EXPECT_EQ(keypad.steps(), "");
    }
    EXPECT_GT(failures, 10);
}

} // namespace
} // namespace zudaviror
