#include "z3_validity_prover.h"

#include "z3_worlds.h"

#include <algorithm>

namespace zudaviror::prover {

namespace {

// The worlds of Z3's model in its order, the relation and the letters on them.
KripkeModel readCountermodel(const z3::model& model, Z3Worlds& worlds, const WorldFormula& formula,
                             const z3::expr& failing) {
    z3::context& context = worlds.context();
    z3::expr_vector universe(context, Z3_model_get_sort_universe(context, model, worlds.worldSort()));
    context.check_error();
    KripkeModel kripke;
    kripke.worldCount = universe.size();
    kripke.valuation.resize(universe.size());
    const std::string symbols = predicateSymbols(formula);
    const z3::expr failingValue = model.eval(failing, true);
    for (unsigned from = 0; from < universe.size(); ++from) {
        if (z3::eq(universe[from], failingValue)) {
            kripke.failingWorld = from;
        }
        for (unsigned to = 0; to < universe.size(); ++to) {
            if (model.eval(worlds.accessible()(universe[from], universe[to]), true).is_true()) {
                kripke.arrows.emplace_back(from, to);
            }
        }
        for (const char symbol : symbols) {
            if (model.eval(worlds.predicate(symbol)(universe[from]), true).is_true()) {
                kripke.valuation[from] += symbol;
            }
        }
    }
    return kripke;
}

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// The share of the time a first, unbounded attempt gets (an eighth): valid formulas of a
// student's size are proved in it, and most countermodels are found.
constexpr int FirstAttemptShare = 8;
// Then countermodels of up to this many worlds are asked for, fewest first: where the frame
// conditions nest quantifiers (S4, S5) Z3 can search an unbounded sort of worlds for seconds
// while a model of one or two worlds exists.
constexpr std::size_t LargestBoundedFrame = 6;
// The share of the time spent looking for a countermodel of fewer worlds than the first attempt's
// (a tenth): Z3 returns the first model it meets, a student reads the smallest best.
constexpr int FewerWorldsShare = 10;

milliseconds until(Clock::time_point deadline) {
    return std::max(milliseconds(1), std::chrono::duration_cast<milliseconds>(deadline - Clock::now()));
}

// Model-based instantiation finds the small models that modal formulas have, and E-matching the
// proofs; Z3's own choice for these problems ran past any time limit in S4 and S5.
void setParameters(z3::solver& solver, milliseconds timeLimit) {
    z3::params parameters(solver.ctx());
    parameters.set("timeout", static_cast<unsigned>(timeLimit.count()));
    parameters.set("auto_config", false);
    parameters.set("ematching", true);
    parameters.set("mbqi", true);
    solver.set(parameters);
}

// A countermodel of as few worlds as there are, asked for with at most 1, 2, … worlds below
// `fewerThan` until one is given or `giveUp`. Each bound has a solver of its own: a solver once
// pushed is incremental for good, and loses the proofs its first configuration finds.
std::optional<KripkeModel> fewestWorlds(const z3::expr_vector& question, Z3Worlds& worlds,
                                        const WorldFormula& formula, const z3::expr& failing,
                                        std::size_t fewerThan, Clock::time_point giveUp) {
    z3::context& context = worlds.context();
    const z3::expr any = context.constant("cualquier_mundo", worlds.worldSort());
    z3::expr oneOfThem = context.bool_val(false);
    for (std::size_t count = 1; count < fewerThan && Clock::now() < giveUp; ++count) {
        oneOfThem = oneOfThem ||
                    any == context.constant(("mundo_" + std::to_string(count)).c_str(), worlds.worldSort());
        z3::solver bounded(context);
        setParameters(bounded, until(giveUp));
        bounded.add(question);
        bounded.add(z3::forall(any, oneOfThem));
        if (bounded.check() == z3::sat) {
            return generatedSubmodel(readCountermodel(bounded.get_model(), worlds, formula, failing));
        }
    }
    return std::nullopt;
}

ValidityAnswer unknown(std::string reason) {
    return {{suite::Validity::Unknown, std::move(reason)}, std::nullopt};
}

ValidityAnswer notValid(KripkeModel countermodel) {
    return {{suite::Validity::NotValid, {}}, std::move(countermodel)};
}

ValidityAnswer decideInZ3(const WorldFormula& formula, ModalSystem system, milliseconds timeLimit) {
    const Clock::time_point deadline = Clock::now() + timeLimit;
    z3::context context;
    Z3Worlds worlds(context);
    z3::solver solver(context);
    for (const FrameCondition condition : frameConditions(system)) {
        solver.add(worlds.frameAxiom(condition));
    }
    std::map<char, z3::expr> free;
    for (const char world : freeWorlds(formula)) {
        free.emplace(world, context.constant(std::string(1, world).c_str(), worlds.worldSort()));
    }
    solver.add(!worlds.formula(formula, free));
    // Every TRANS result has the free world u; a closed formula fails at any world.
    const z3::expr failing = free.empty() ? context.constant("u", worlds.worldSort()) : free.begin()->second;

    setParameters(solver, timeLimit / FirstAttemptShare);
    z3::check_result result = solver.check();
    if (result == z3::sat) {
        KripkeModel found = generatedSubmodel(readCountermodel(solver.get_model(), worlds, formula, failing));
        const Clock::time_point giveUp = std::min(deadline, Clock::now() + timeLimit / FewerWorldsShare);
        std::optional<KripkeModel> fewer =
            fewestWorlds(solver.assertions(), worlds, formula, failing, found.worldCount, giveUp);
        return notValid(fewer ? std::move(*fewer) : std::move(found));
    }
    if (result == z3::unknown) {
        // Half of the time left for small frames, the other half for the unbounded search.
        const Clock::time_point giveUp = Clock::now() + (deadline - Clock::now()) / 2;
        if (std::optional<KripkeModel> small = fewestWorlds(solver.assertions(), worlds, formula, failing,
                                                            LargestBoundedFrame + 1, giveUp)) {
            return notValid(std::move(*small));
        }
        setParameters(solver, until(deadline));
        result = Clock::now() < deadline ? solver.check() : z3::unknown;
        if (result == z3::sat) {
            return notValid(
                generatedSubmodel(readCountermodel(solver.get_model(), worlds, formula, failing)));
        }
    }
    if (result == z3::unsat) {
        return {{suite::Validity::Valid, {}}, std::nullopt};
    }
    const std::string reason = solver.reason_unknown();
    const bool timedOut =
        reason.find("timeout") != std::string::npos || reason.find("canceled") != std::string::npos;
    return unknown(timedOut ? std::string(suite::kTimeLimitReason) : "Z3: " + reason);
}

} // namespace

ValidityAnswer Z3ValidityProver::decide(const WorldFormula& formula, ModalSystem system,
                                        std::chrono::milliseconds timeLimit) {
    try {
        return decideInZ3(formula, system, timeLimit);
    } catch (const z3::exception& error) {
        return unknown(std::string("Z3: ") + error.msg());
    } catch (const std::bad_alloc&) {
        return unknown("no queda memoria para el demostrador");
    }
}

} // namespace zudaviror::prover
