#include "z3_prover.h"

#include "z3_countermodel.h"
#include "z3_problem.h"

#include <z3++.h>

#include <algorithm>
#include <thread>

namespace varquen::prover {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// The share of the time a first, unbounded attempt gets (a fortieth): valid formulas of a
// student's size are proved in it, and an invalid one's small countermodel is not kept waiting.
constexpr int FirstAttemptShare = 40;
// Then countermodels are looked for in domains of up to this many individuals, where Z3 finds
// them at once while an unbounded search can miss them (∀x ∃y S x y without ∃y ∀x S x y).
constexpr int LargestBoundedDomain = 8;
// The most quantifier instances one attempt may make.
constexpr unsigned MaxInstances = 5000;
// Unless writing the quantifiers out over them makes more formulas than this: a formula whose
// innermost part names ten variables would make eight to the tenth, gigabytes and minutes. Z3
// does not look at its clock while it takes in a large written-out question: at three to the
// tenth (59,049) it answered 0.4 s past the time limit.
constexpr double LargestWrittenOut = 50000;
// How often a question asked to stop interrupts Z3 again.
constexpr milliseconds InterruptInterval{5};
// The share of the time spent looking for a smaller countermodel than the unbounded attempt's
// (a tenth): Z3 returns the first structure it meets, a student reads the smallest best.
constexpr int SmallerCountermodelShare = 10;

suite::ValidityVerdict unknownVerdict(const std::string& proverReason) {
    if (proverReason == "timeout" || proverReason == "canceled" || proverReason == "interrupted") {
        return {suite::Validity::Unknown, std::string(suite::kTimeLimitReason)};
    }
    return {suite::Validity::Unknown, "el demostrador no llega a una respuesta (" + proverReason + ")"};
}

// The question in a domain of domainSize individuals (0: any number): the answer when Z3 gives
// one that holds for every domain (not valid, or valid when unbounded); else nothing, and the
// reason Z3 gave.
std::optional<ValidityAnswer> attempt(z3::context& context, const FirstOrderProblem& problem, int domainSize,
                                      milliseconds limit, const WriteOutLimit& writeOut,
                                      std::string& reason) {
    const Z3Signature z3Signature = declareSignature(context, problem.signature, domainSize, &writeOut);
    z3::solver solver(context);
    z3::params params(context);
    params.set("timeout", static_cast<unsigned>(limit.count()));
    // Z3 makes a quantifier's instances without looking at the clock: under a limit of 50 ms, a
    // formula whose innermost part names ten variables took 20 s and 1.6 GB making them. What
    // students write is proved with far fewer.
    params.set("qi.max_instances", MaxInstances);
    solver.set(params);
    solver.add(relativisationAxioms(z3Signature, problem));
    solver.add(freeVariableGuards(z3Signature, problem));
    solver.add(!encodeFormula(z3Signature, problem.formula));
    switch (solver.check()) {
    case z3::sat:
        return ValidityAnswer{{suite::Validity::NotValid, {}},
                              readCountermodel(solver.get_model(), z3Signature, problem)};
    case z3::unsat:
        if (domainSize == 0) {
            return ValidityAnswer{{suite::Validity::Valid, {}}, std::nullopt};
        }
        return std::nullopt;
    default:
        reason = solver.reason_unknown();
        return std::nullopt;
    }
}

std::size_t individualsOf(const Countermodel& countermodel) {
    std::size_t count = 0;
    for (const Countermodel::Universe& universe : countermodel.universes) {
        count += universe.elements.size();
    }
    return count;
}

// A countermodel in the smallest domain that has one, from `smallest` individuals up to one fewer
// than `fewerThan`, looked for until `giveUp`.
std::optional<ValidityAnswer> smallerCountermodel(z3::context& context, const FirstOrderProblem& problem,
                                                  int smallest, int fewerThan, Clock::time_point giveUp,
                                                  std::stop_token stop) {
    std::string reason;
    const WriteOutLimit writeOut{giveUp, stop};
    for (int size = smallest; size < fewerThan && Clock::now() < giveUp && !stop.stop_requested() &&
                              writtenOutSize(problem, size) <= LargestWrittenOut;
         ++size) {
        try {
            if (auto answer = attempt(context, problem, size, suite::timeLeft(giveUp), writeOut, reason)) {
                return answer;
            }
        } catch (const WriteOutStopped&) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace

ValidityAnswer decideValidity(const FirstOrderProblem& problem, milliseconds timeLimit,
                              std::stop_token stop) {
    const Clock::time_point deadline = Clock::now() + timeLimit;
    std::string reason = "timeout";
    try {
        z3::context context;
        // Z3 checks for an interruption often, but forgets one that comes between two of its
        // checks: once asked to stop, it is interrupted again every few milliseconds until this
        // question ends. The domains written out below check the stop request and the clock at
        // every instance.
        const std::jthread interrupter([&context, stop](std::stop_token ended) {
            while (!ended.stop_requested()) {
                if (stop.stop_requested()) {
                    context.interrupt();
                }
                std::this_thread::sleep_for(InterruptInterval);
            }
        });
        const WriteOutLimit limit{deadline, stop};
        // Every universe the formula names is non-empty and disjoint from the others: a domain
        // holds one each (the others' elements are no part of the question).
        const int smallest = std::max(1, usedUniverseCount(problem));
        if (auto answer = attempt(context, problem, 0, timeLimit / FirstAttemptShare, limit, reason)) {
            if (answer->countermodel) {
                const auto found = static_cast<int>(individualsOf(*answer->countermodel));
                const Clock::time_point giveUp =
                    std::min(deadline, Clock::now() + timeLimit / SmallerCountermodelShare);
                if (auto smaller = smallerCountermodel(context, problem, smallest, found, giveUp, stop)) {
                    return std::move(*smaller);
                }
            }
            return std::move(*answer);
        }
        for (int size = smallest;
             size <= LargestBoundedDomain && Clock::now() < deadline && !stop.stop_requested() &&
             writtenOutSize(problem, size) <= LargestWrittenOut;
             ++size) {
            if (auto answer = attempt(context, problem, size, suite::timeLeft(deadline), limit, reason)) {
                return std::move(*answer);
            }
        }
        if (Clock::now() < deadline && !stop.stop_requested()) {
            if (auto answer = attempt(context, problem, 0, suite::timeLeft(deadline), limit, reason)) {
                return std::move(*answer);
            }
        }
        return {unknownVerdict(reason), std::nullopt};
    } catch (const z3::exception& failure) {
        return {unknownVerdict(failure.msg()), std::nullopt};
    } catch (const WriteOutStopped&) {
        return {unknownVerdict("timeout"), std::nullopt};
    } catch (const std::bad_alloc&) {
        return {unknownVerdict("sin memoria"), std::nullopt};
    }
}

} // namespace varquen::prover
