#include "z3_prover.h"

#include "z3_countermodel.h"
#include "z3_problem.h"

#include "suite/z3_turns.h"

#include <z3++.h>

#include <algorithm>

namespace varquen::prover {

namespace {

using std::chrono::milliseconds;

// Countermodels are looked for in domains of up to this many individuals, where Z3 finds them at
// once while an unbounded search can miss them.
constexpr int kLargestBoundedDomain = 8;
// The most quantifier instances one attempt may make.
constexpr unsigned kMaxInstances = 5000;
// Unless writing the quantifiers out over them makes more formulas than this: a formula whose
// innermost part names ten variables would make eight to the tenth, gigabytes and minutes. Z3
// does not look at its clock while it takes in a large written-out question: at three to the
// tenth (59,049) it answered 0.4 s past the time limit.
constexpr double kLargestWrittenOut = 50000;

// The question in a domain of domainSize individuals (0: any number): the answer when Z3 gives
// one that holds for every domain (not valid, or valid when unbounded); else nothing, and the
// reason Z3 gave. Writing a domain out stops at the limit or the stop request.
std::optional<ValidityAnswer> attempt(z3::context& context, const FirstOrderProblem& problem, int domainSize,
                                      milliseconds limit, std::stop_token stop, std::string& reason) {
    const WriteOutLimit writeOut{std::chrono::steady_clock::now() + limit, std::move(stop)};
    try {
        const Z3Signature z3Signature = declareSignature(context, problem.signature, domainSize, &writeOut);
        z3::solver solver(context);
        z3::params params(context);
        params.set("timeout", static_cast<unsigned>(limit.count()));
        // Z3 makes a quantifier's instances without looking at the clock: under a limit of 50 ms, a
        // formula whose innermost part names ten variables took 20 s and 1.6 GB making them. What
        // students write is proved with far fewer.
        params.set("qi.max_instances", kMaxInstances);
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
    } catch (const WriteOutStopped&) {
        reason = "timeout";
        return std::nullopt;
    }
}

int individualsOf(const ValidityAnswer& answer) {
    std::size_t count = 0;
    if (answer.countermodel) {
        for (const Countermodel::Universe& universe : answer.countermodel->universes) {
            count += universe.elements.size();
        }
    }
    return static_cast<int>(count);
}

ValidityAnswer unknownAnswer(suite::ValidityVerdict verdict) {
    return {std::move(verdict), std::nullopt};
}

} // namespace

ValidityAnswer decideValidity(const FirstOrderProblem& problem, milliseconds timeLimit,
                              std::stop_token stop) {
    return suite::guardedZ3<ValidityAnswer>(
        [&] {
            z3::context context;
            // The domains written out check the stop request and the clock at every instance.
            const suite::Z3Interrupter interrupter(context, stop);
            const suite::Z3Question<ValidityAnswer> question{
                .attempt =
                    [&](int size, milliseconds limit, std::string& reason) {
                        return attempt(context, problem, size, limit, stop, reason);
                    },
                .countermodelSize = individualsOf,
                .fits = [&](int size) { return writtenOutSize(problem, size) <= kLargestWrittenOut; },
                // Every universe the formula names is non-empty and disjoint from the others: a
                // domain holds one each (the others' elements are no part of the question).
                .smallest = std::max(1, usedUniverseCount(problem)),
                .largest = kLargestBoundedDomain,
                .unknown = unknownAnswer};
            return suite::askInTurns(question, timeLimit, stop);
        },
        unknownAnswer);
}

} // namespace varquen::prover
