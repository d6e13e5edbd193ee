// The turns every program's Z3 question is put in, seen through an attempt that records what it is
// asked, and Z3's reasons as the verdict words them.
#include "suite/z3_turns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// An answer with its countermodel's size; the attempts answer in the domains `answering` names.
struct Answer {
    suite::Validity validity = suite::Validity::Unknown;
    int size = 0;
};

struct Turns {
    const char* name;
    std::vector<int> answering; // sizes that give a countermodel of that size; -1: unbounded, valid; 0:
                                // unbounded, a countermodel of 6
    std::vector<int> asked;     // the domains asked, in order (0: unbounded)
    int answeredSize;           // the countermodel's size in the answer; -1: valid; -2: unknown
};

TEST(Z3Turns, AskTheUnboundedQuestionThenTheDomainsThenTheRest) {
    const Turns table[] = {
        {"ValidAtOnce", {-1}, {0}, -1},
        {"ACountermodelShrunk", {0, 3, 4}, {0, 2, 3}, 3},
        {"ACountermodelNotShrunk", {0}, {0, 2, 3, 4, 5}, 6},
        {"FoundInADomain", {4}, {0, 2, 3, 4}, 4},
        {"NoAnswer", {}, {0, 2, 3, 4, 5, 6, 7, 0}, -2},
    };
    for (const Turns& row : table) {
        std::vector<int> asked;
        const auto answers = [&row](int size) {
            return std::find(row.answering.begin(), row.answering.end(), size) != row.answering.end();
        };
        const suite::Z3Question<Answer> question{
            .attempt = [&](int size, std::chrono::milliseconds,
                           std::string& reason) -> std::optional<Answer> {
                asked.push_back(size);
                if (size == 0 && answers(-1)) {
                    return Answer{suite::Validity::Valid, 0};
                }
                if (answers(size)) {
                    return Answer{suite::Validity::NotValid, size == 0 ? 6 : size};
                }
                reason = "incomplete quantifiers";
                return std::nullopt;
            },
            .countermodelSize = [](const Answer& answer) { return answer.size; },
            .fits = [](int size) { return size <= 7; }, // 8 would be written out too large
            .smallest = 2,
            .largest = 8,
            .unknown =
                [](suite::ValidityVerdict verdict) {
                    EXPECT_EQ(verdict.reason,
                              "el demostrador Z3 no llega a una respuesta (incomplete quantifiers)");
                    return Answer{};
                }};
        const Answer answer = suite::askInTurns(question, std::chrono::seconds(60), {});
        EXPECT_EQ(asked, row.asked) << row.name;
        const int answered = answer.validity == suite::Validity::Valid     ? -1
                             : answer.validity == suite::Validity::Unknown ? -2
                                                                           : answer.size;
        EXPECT_EQ(answered, row.answeredSize) << row.name;
    }
}

TEST(Z3Turns, WordZ3sReasonsAsEveryProverDoes) {
    const std::pair<const char*, std::string> table[] = {
        {"timeout", std::string(suite::kTimeLimitReason)},
        {"canceled", std::string(suite::kTimeLimitReason)},
        {"interrupted from keyboard", std::string(suite::kTimeLimitReason)},
        {"max. memory exceeded", "el demostrador Z3 se ha quedado sin memoria"},
        {"(incomplete quantifiers)", "el demostrador Z3 no llega a una respuesta ((incomplete quantifiers))"},
    };
    for (const auto& [z3Reason, reason] : table) {
        const suite::ValidityVerdict verdict = suite::z3Unknown(z3Reason);
        EXPECT_EQ(verdict.validity, suite::Validity::Unknown) << z3Reason;
        EXPECT_EQ(verdict.reason, reason) << z3Reason;
    }
}

} // namespace
