#include "z3_validity_prover.h"

#include "z3_worlds.h"

#include <algorithm>

namespace zudaviror::prover {

namespace {

// The worlds of Z3's model in its order, the relation and the letters on them.
KripkeModel readCountermodel(const z3::model& model, Z3Worlds& worlds, const WorldFormula& formula,
                             const z3::expr& failing) {
    const z3::expr_vector universe = worlds.worldsOf(model);
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

// Before the unbounded search, countermodels of up to this many worlds are asked for, fewest
// first, with every quantifier written out over them: questions without quantifiers, answered in
// milliseconds, where the unbounded search in S4 and S5 can run for seconds while two worlds
// refute the formula (□◇p→◇□p). A student reads the smallest countermodel best, too. (On a thread
// beside the unbounded search they would cost valid formulas nothing, but Z3 4.8 leaks memory
// when two contexts check at once.)
constexpr std::size_t LargestBoundedFrame = 4;
// Unless writing out makes more formulas than this.
constexpr double LargestWrittenOut = 500000;
// No new such question is begun after this share of the time (a tenth); the unbounded search
// has the rest.
constexpr int BoundedShare = 10;
// The most work each of them may take, in Z3's resource units (a four-world question at the
// limits takes about 60 000, some 10 ms here). A limit on work rather than on time starts no
// timer: Z3's timers, one per timed question, are where a deadlock has been reported.
constexpr unsigned BoundedEffort = 1000000;

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

// Puts the question to `solver`: the frame conditions hold and the formula is false at its free
// world, which is returned.
z3::expr askForCountermodel(z3::solver& solver, Z3Worlds& worlds, const WorldFormula& formula,
                            ModalSystem system) {
    for (const FrameCondition condition : frameConditions(system)) {
        solver.add(worlds.frameAxiom(condition));
    }
    std::map<char, z3::expr> free;
    for (const char world : freeWorlds(formula)) {
        free.emplace(world, free.empty() ? worlds.firstWorld(world) : worlds.world(world));
    }
    solver.add(!worlds.formula(formula, free));
    // Every TRANS result has the free world u; a closed formula fails at any world.
    return free.empty() ? worlds.firstWorld('u') : free.begin()->second;
}

// The solver's model with only the arrows it needs, to be read at a glance: each arrow in turn
// is left out when the question is still answered without it (each within the solver's limit
// on work), until `giveUp`.
z3::model fewestArrows(z3::solver& solver, Z3Worlds& worlds, Clock::time_point giveUp) {
    z3::model model = solver.get_model();
    z3::expr_vector leftOut(solver.ctx());
    for (const z3::expr& from : worlds.worldsOf(model)) {
        for (const z3::expr& to : worlds.worldsOf(model)) {
            const z3::expr arrow = worlds.accessible()(from, to);
            if (Clock::now() >= giveUp || !model.eval(arrow, true).is_true()) {
                continue;
            }
            leftOut.push_back(!arrow);
            if (solver.check(leftOut) == z3::sat) {
                model = solver.get_model();
            } else {
                leftOut.pop_back();
            }
        }
    }
    return model;
}

// A countermodel of as few worlds as there are, in a context of its own (the terms of a context
// change how fast Z3 proves in it): the question over 1, 2, … worlds, written out, until one is
// given, writing out grows too large, or `giveUp`.
std::optional<KripkeModel> fewestWorlds(const WorldFormula& formula, ModalSystem system,
                                        Clock::time_point giveUp) {
    z3::context context;
    for (std::size_t count = 1; count <= LargestBoundedFrame && Clock::now() < giveUp; ++count) {
        if (Z3Worlds::writtenOutSize(formula, count) > LargestWrittenOut) {
            break;
        }
        Z3Worlds worlds(context, count);
        // Without quantifiers, and with the worlds as constants of a sort, the question is one of
        // equality and uninterpreted functions, which Z3's solver for that logic answers at once.
        z3::solver solver(context, "QF_UF");
        z3::params parameters(context);
        parameters.set("rlimit", BoundedEffort);
        solver.set(parameters);
        solver.add(worlds.writtenWorldsApart());
        const z3::expr failing = askForCountermodel(solver, worlds, formula, system);
        if (solver.check() == z3::sat) {
            return generatedSubmodel(
                readCountermodel(fewestArrows(solver, worlds, giveUp), worlds, formula, failing));
        }
    }
    return std::nullopt;
}

ValidityAnswer unknown(std::string reason) {
    return {{suite::Validity::Unknown, std::move(reason)}, std::nullopt};
}

ValidityAnswer decideInZ3(const WorldFormula& formula, ModalSystem system, milliseconds timeLimit) {
    const Clock::time_point deadline = Clock::now() + timeLimit;
    if (std::optional<KripkeModel> small =
            fewestWorlds(formula, system, Clock::now() + timeLimit / BoundedShare)) {
        return {{suite::Validity::NotValid, {}}, std::move(*small)};
    }
    z3::context context;
    Z3Worlds worlds(context);
    z3::solver solver(context);
    const z3::expr failing = askForCountermodel(solver, worlds, formula, system);
    setParameters(solver, suite::timeLeft(deadline));
    switch (solver.check()) {
    case z3::unsat:
        return {{suite::Validity::Valid, {}}, std::nullopt};
    case z3::sat:
        return {{suite::Validity::NotValid, {}},
                generatedSubmodel(readCountermodel(solver.get_model(), worlds, formula, failing))};
    case z3::unknown:
        break;
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
