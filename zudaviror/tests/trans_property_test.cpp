#include "relational_oracle.h"

#include "zudaviror/keypad_state.h"
#include "zudaviror/trans.h"

#include <gtest/gtest.h>

namespace zudaviror {
namespace {

TransStatus expectedStatus(const oracle::Measures& measures) {
    if (measures.codes > 255) {
        return TransStatus::TooManyCodes;
    }
    if (measures.leaves > 11) {
        return TransStatus::TooManyLeaves;
    }
    if (measures.modalNesting > 19) {
        return TransStatus::TooDeeplyNested;
    }
    if (measures.longestLeaf > 29) {
        return TransStatus::LeafTooLong;
    }
    return TransStatus::Translated;
}

TEST(TransProperty, EveryKeypadFormulaTranslatesToItsRelationalTranslation) {
    std::mt19937 random(20261208);
    int translated = 0;
    for (int round = 0; round < 4000; ++round) {
        const auto formula = oracle::randomFormula(random, 13);
        const std::string K = oracle::spell(*formula);
        const oracle::Measures measures = oracle::measure(*formula);
        ASSERT_EQ(K.size(), measures.codes);
        if (K.size() <= kMaxFormulaCodes) {
            ASSERT_TRUE(keypadCanProduce(K)) << K;
        }
        const TransOutcome outcome = TRANS(K);
        const TransStatus expected = expectedStatus(measures);
        ASSERT_EQ(outcome.status, expected) << K << "\n" << outcome.message;
        if (expected == TransStatus::Translated) {
            ASSERT_EQ(outcome.result, oracle::translate(*formula)) << K;
            ++translated;
        } else {
            EXPECT_FALSE(outcome.message.empty()) << K;
            EXPECT_TRUE(outcome.result.empty()) << K;
        }
    }
    // The generator must mostly stay within the limits for the property to say much.
    EXPECT_GT(translated, 2500);
}

} // namespace
} // namespace zudaviror
