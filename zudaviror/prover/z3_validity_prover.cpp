#include "z3_validity_prover.h"

#include "z3_worlds.h"

#include "suite/z3_turns.h"

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

// Countermodels of up to this many worlds are asked for with every quantifier written out over
// them: questions without quantifiers, answered in milliseconds, where the unbounded search in S4
// and S5 can run for seconds while two worlds refute the formula (□◇p→◇□p).
constexpr int kLargestBoundedFrame = 4;
// Unless writing out makes more formulas than this.
constexpr double kLargestWrittenOut = 500000;
// The most work each of them may take, in Z3's resource units (a four-world question at the
// limits takes about 60 000, some 10 ms here). A limit on work rather than on time starts no
// timer: Z3's timers, one per timed question, are where a deadlock has been reported.
constexpr unsigned kBoundedEffort = 1000000;

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

// A countermodel over `count` worlds, written out, in a context of its own (the terms of a
// context change how fast Z3 proves in it).
std::optional<ValidityAnswer> inWorlds(std::size_t count, const WorldFormula& formula, ModalSystem system,
                                       milliseconds limit) {
    z3::context context;
    Z3Worlds worlds(context, count);
    // Without quantifiers, and with the worlds as constants of a sort, the question is one of
    // equality and uninterpreted functions, which Z3's solver for that logic answers at once.
    z3::solver solver(context, "QF_UF");
    z3::params parameters(context);
    parameters.set("rlimit", kBoundedEffort);
    solver.set(parameters);
    solver.add(worlds.writtenWorldsApart());
    const z3::expr failing = askForCountermodel(solver, worlds, formula, system);
    if (solver.check() != z3::sat) {
        return std::nullopt;
    }
    const z3::model model = fewestArrows(solver, worlds, Clock::now() + limit);
    return ValidityAnswer{{suite::Validity::NotValid, {}},
                          generatedSubmodel(readCountermodel(model, worlds, formula, failing))};
}

// The question over any number of worlds.
std::optional<ValidityAnswer> inAnyWorlds(const WorldFormula& formula, ModalSystem system, milliseconds limit,
                                          std::string& reason) {
    z3::context context;
    Z3Worlds worlds(context);
    z3::solver solver(context);
    const z3::expr failing = askForCountermodel(solver, worlds, formula, system);
    setParameters(solver, limit);
    switch (solver.check()) {
    case z3::unsat:
        return ValidityAnswer{{suite::Validity::Valid, {}}, std::nullopt};
    case z3::sat:
        return ValidityAnswer{
            {suite::Validity::NotValid, {}},
            generatedSubmodel(readCountermodel(solver.get_model(), worlds, formula, failing))};
    case z3::unknown:
        break;
    }
    reason = solver.reason_unknown();
    return std::nullopt;
}

ValidityAnswer unknownAnswer(suite::ValidityVerdict verdict) {
    return {std::move(verdict), std::nullopt};
}

} // namespace

ValidityAnswer Z3ValidityProver::decide(const WorldFormula& formula, ModalSystem system,
                                        std::chrono::milliseconds timeLimit) {
    const suite::Z3Question<ValidityAnswer> question{
        .attempt =
            [&](int size, milliseconds limit, std::string& reason) {
                return size == 0 ? inAnyWorlds(formula, system, limit, reason)
                                 : inWorlds(static_cast<std::size_t>(size), formula, system, limit);
            },
        .countermodelSize =
            [](const ValidityAnswer& answer) {
                return answer.countermodel ? static_cast<int>(answer.countermodel->worldCount) : 0;
            },
        .fits =
            [&](int size) {
                return Z3Worlds::writtenOutSize(formula, static_cast<std::size_t>(size)) <=
                       kLargestWrittenOut;
            },
        .smallest = 1,
        .largest = kLargestBoundedFrame,
        .unknown = unknownAnswer};
    return suite::guardedZ3<ValidityAnswer>([&] { return suite::askInTurns(question, timeLimit, {}); },
                                            unknownAnswer);
}

} // namespace zudaviror::prover
