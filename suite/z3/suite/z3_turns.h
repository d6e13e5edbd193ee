#pragma once

#include "suite/validity_verdict.h"

#include <z3++.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <new>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <thread>

// How a validity question is put to Z3, the same in every program that asks it: the turns of its
// attempts, the deadline, Z3's reasons as the verdict's words, and the guard against Z3's
// exceptions and running out of memory. Each program brings its problem (one attempt in a domain
// of a given size) and reads its own countermodel.
namespace suite {

// The first, unbounded attempt gets a fortieth of the time: valid formulas of a student's size are
// proved in it, and an invalid one's small countermodel is not kept waiting.
inline constexpr int kFirstAttemptShare = 40;
// When it finds a countermodel, a tenth of the time goes to one in a smaller domain: Z3 returns the
// first structure it meets, a student reads the smallest best.
inline constexpr int kSmallerCountermodelShare = 10;

// The verdict for what Z3 says when it gives no answer (its reason_unknown, or an exception's text).
ValidityVerdict z3Unknown(std::string_view z3Reason);

// While it lives, interrupts `context` again every few milliseconds once `stop` is requested: Z3
// forgets an interruption that comes between two of its checks.
class Z3Interrupter {
  public:
    Z3Interrupter(z3::context& context, std::stop_token stop);

  private:
    std::jthread thread_;
};

template <class Answer> struct Z3Question {
    // One attempt in a domain of `size` elements (0: any number) within `limit`: the answer when Z3
    // gives one that holds for every domain (not valid, or valid when unbounded); else nothing,
    // with Z3's reason.
    std::function<std::optional<Answer>(int size, std::chrono::milliseconds limit, std::string& reason)>
        attempt;
    // How many elements an answer's countermodel has (0: none).
    std::function<int(const Answer&)> countermodelSize;
    // Whether writing the quantifiers out over a domain of `size` stays small enough to ask.
    std::function<bool(int size)> fits;
    int smallest = 1; // the smallest domain that can hold a countermodel
    int largest = 1;  // the largest domain tried before the unbounded search goes on
    // The answer that says only its verdict, unknown.
    std::function<Answer(ValidityVerdict)> unknown;
};

// The question in turns until `timeLimit`, or soon after `stop`: unbounded with a fortieth of the
// time (a countermodel then shrunk by the bounded domains below its size, with a tenth); else the
// domains from the smallest to the largest, where Z3 finds countermodels at once that an unbounded
// search can miss (∀x ∃y S x y without ∃y ∀x S x y); else unbounded with the time left.
template <class Answer>
Answer askInTurns(const Z3Question<Answer>& question, std::chrono::milliseconds timeLimit,
                  std::stop_token stop) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + timeLimit;
    std::string reason = "timeout";
    const auto bounded = [&](int fewerThan, Clock::time_point giveUp) -> std::optional<Answer> {
        for (int size = question.smallest;
             size < fewerThan && Clock::now() < giveUp && !stop.stop_requested() && question.fits(size);
             ++size) {
            if (std::optional<Answer> answer = question.attempt(size, timeLeft(giveUp), reason)) {
                return answer;
            }
        }
        return std::nullopt;
    };
    if (std::optional<Answer> answer = question.attempt(0, timeLimit / kFirstAttemptShare, reason)) {
        if (const int found = question.countermodelSize(*answer); found > 0) {
            const Clock::time_point giveUp =
                std::min(deadline, Clock::now() + timeLimit / kSmallerCountermodelShare);
            if (std::optional<Answer> smaller = bounded(found, giveUp)) {
                return std::move(*smaller);
            }
        }
        return std::move(*answer);
    }
    if (std::optional<Answer> answer = bounded(question.largest + 1, deadline)) {
        return std::move(*answer);
    }
    if (Clock::now() < deadline && !stop.stop_requested()) {
        if (std::optional<Answer> answer = question.attempt(0, timeLeft(deadline), reason)) {
            return std::move(*answer);
        }
    }
    return question.unknown(z3Unknown(reason));
}

// `ask()`, or the unknown answer when Z3 throws or memory runs out.
template <class Answer>
Answer guardedZ3(const std::function<Answer()>& ask, const std::function<Answer(ValidityVerdict)>& unknown) {
    try {
        return ask();
    } catch (const z3::exception& failure) {
        return unknown(z3Unknown(failure.msg()));
    } catch (const std::bad_alloc&) {
        return unknown({Validity::Unknown, proverStopReason("Z3", ProverStop::OutOfMemory)});
    }
}

} // namespace suite
