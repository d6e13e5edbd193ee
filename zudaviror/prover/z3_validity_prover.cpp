#include "z3_validity_prover.h"

#include "z3_worlds.h"

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

ValidityAnswer unknown(std::string reason) {
    return {{suite::Validity::Unknown, std::move(reason)}, std::nullopt};
}

ValidityAnswer decideInZ3(const WorldFormula& formula, ModalSystem system,
                          std::chrono::milliseconds timeLimit) {
    z3::context context;
    Z3Worlds worlds(context);
    z3::solver solver(context);
    z3::params parameters(context);
    parameters.set("timeout", static_cast<unsigned>(timeLimit.count()));
    // Model-based instantiation finds the small models that modal formulas have, and E-matching
    // the proofs; Z3's own choice for these problems ran past any time limit in S4 and S5.
    parameters.set("auto_config", false);
    parameters.set("ematching", true);
    parameters.set("mbqi", true);
    solver.set(parameters);
    for (const FrameCondition condition : frameConditions(system)) {
        solver.add(worlds.frameAxiom(condition));
    }
    std::map<char, z3::expr> free;
    for (const char world : freeWorlds(formula)) {
        free.emplace(world, context.constant(std::string(1, world).c_str(), worlds.worldSort()));
    }
    solver.add(!worlds.formula(formula, free));
    switch (solver.check()) {
    case z3::unsat:
        return {{suite::Validity::Valid, {}}, std::nullopt};
    case z3::sat: {
        // Every TRANS result has the free world u; a closed formula fails at any world.
        const z3::expr failing =
            free.empty() ? context.constant("u", worlds.worldSort()) : free.begin()->second;
        return {{suite::Validity::NotValid, {}},
                generatedSubmodel(readCountermodel(solver.get_model(), worlds, formula, failing))};
    }
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
