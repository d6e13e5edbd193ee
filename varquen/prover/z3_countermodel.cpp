#include "z3_countermodel.h"

#include <map>

namespace varquen::prover {

namespace {

// The elements of every universe, as Z3 values and by name.
struct Elements {
    std::vector<std::vector<z3::expr>> byUniverse;
    std::map<std::string, std::string> names; // Z3's value → "A1"
};

Elements readElements(const z3::model& model, const Z3Signature& z3Signature,
                      const FirstOrderProblem& problem, Countermodel& countermodel) {
    Elements elements;
    elements.byUniverse.resize(z3Signature.universes.size());
    std::vector<z3::expr> individuals = z3Signature.boundedDomain;
    if (individuals.empty()) {
        // Z3 4.8's C++ interface does not offer the universe of a sort; its C interface does.
        z3::context& context = z3Signature.context;
        const z3::expr_vector universe(context,
                                       Z3_model_get_sort_universe(context, model, z3Signature.individuals));
        context.check_error();
        for (unsigned i = 0; i < universe.size(); ++i) {
            individuals.push_back(universe[i]);
        }
    }
    const std::vector<bool> used = usedUniverses(problem);
    for (std::size_t u = 0; u < z3Signature.universes.size(); ++u) {
        Countermodel::Universe& universe = countermodel.universes[u];
        if (!used[u]) {
            // An element of its own, which nothing the formula names is about.
            universe.elements.push_back(universe.name + "1");
            continue;
        }
        for (const z3::expr& element : individuals) {
            if (model.eval(z3Signature.universes[u](element), true).is_true()) {
                universe.elements.push_back(universe.name + std::to_string(universe.elements.size() + 1));
                elements.names[element.to_string()] = universe.elements.back();
                elements.byUniverse[u].push_back(element);
            }
        }
    }
    return elements;
}

// Calls `visit` with every tuple of the product of the given element lists; false, visiting none,
// when there are more than Countermodel::kMaxTableRows.
template <class Visit>
bool forEachTuple(const std::vector<const std::vector<z3::expr>*>& factors, Visit visit) {
    double rows = 1;
    for (const std::vector<z3::expr>* factor : factors) {
        rows *= static_cast<double>(factor->size());
    }
    if (rows > Countermodel::kMaxTableRows) {
        return false;
    }
    if (rows == 0) {
        return true;
    }
    std::vector<std::size_t> position(factors.size(), 0);
    while (true) {
        std::vector<z3::expr> tuple;
        for (std::size_t i = 0; i < factors.size(); ++i) {
            tuple.push_back((*factors[i])[position[i]]);
        }
        visit(tuple);
        std::size_t i = factors.size();
        while (i > 0 && ++position[i - 1] == factors[i - 1]->size()) {
            position[--i] = 0;
        }
        if (i == 0) {
            return true;
        }
    }
}

std::vector<std::string> tupleNames(const Elements& elements, const std::vector<z3::expr>& tuple) {
    std::vector<std::string> names;
    for (const z3::expr& element : tuple) {
        names.push_back(elements.names.at(element.to_string()));
    }
    return names;
}

z3::expr apply(const z3::func_decl& symbol, const std::vector<z3::expr>& tuple) {
    z3::expr_vector arguments(symbol.ctx());
    for (const z3::expr& element : tuple) {
        arguments.push_back(element);
    }
    return symbol(arguments);
}

Countermodel::Function readFunction(const z3::model& model, const Elements& elements,
                                    const FirstOrderSignature::Function& function,
                                    const z3::func_decl& symbol) {
    Countermodel::Function table{function.name, {}};
    std::vector<const std::vector<z3::expr>*> factors;
    for (std::size_t i = 1; i < function.types.size(); ++i) {
        factors.push_back(&elements.byUniverse[static_cast<std::size_t>(function.types[i] - 1)]);
    }
    table.complete = forEachTuple(factors, [&](const std::vector<z3::expr>& tuple) {
        const z3::expr value = model.eval(apply(symbol, tuple), true);
        table.entries.push_back({tupleNames(elements, tuple),
                                 function.types[0] == 0 ? (value.is_true() ? kTrueValue : kFalseValue)
                                                        : elements.names.at(value.to_string())});
    });
    return table;
}

} // namespace

Countermodel readCountermodel(const z3::model& model, const Z3Signature& z3Signature,
                              const FirstOrderProblem& problem) {
    const FirstOrderSignature& signature = problem.signature;
    Countermodel countermodel;
    for (const std::string& universe : signature.universes) {
        countermodel.universes.push_back({universe, {}});
    }
    const Elements elements = readElements(model, z3Signature, problem, countermodel);
    const std::set<RelationTyping> typings = relationTypings(signature, problem.formula);
    for (std::size_t f = 0; f < signature.functions.size(); ++f) {
        if (signature.functions[f].used) {
            countermodel.functions.push_back(
                readFunction(model, elements, signature.functions[f], z3Signature.functions[f]));
        }
    }
    for (std::size_t r = 0; r < signature.relations.size(); ++r) {
        const FirstOrderSignature::Relation& relation = signature.relations[r];
        if (!relation.used) {
            continue;
        }
        Countermodel::Relation table{relation.name, {}};
        for (const auto& [typed, universes] : typings) {
            if (typed != static_cast<int>(r)) {
                continue;
            }
            std::vector<const std::vector<z3::expr>*> factors;
            for (const int u : universes) {
                factors.push_back(&elements.byUniverse[static_cast<std::size_t>(u - 1)]);
            }
            table.complete = table.complete && forEachTuple(factors, [&](const std::vector<z3::expr>& tuple) {
                                 if (model.eval(apply(z3Signature.relations[r], tuple), true).is_true()) {
                                     table.tuples.push_back(tupleNames(elements, tuple));
                                 }
                             });
        }
        countermodel.relations.push_back(std::move(table));
    }
    for (const int v : problem.freeVariables) {
        const z3::expr value = model.eval(z3Signature.variables[static_cast<std::size_t>(v)], true);
        countermodel.freeVariables.push_back(
            {signature.variables[static_cast<std::size_t>(v)].name, elements.names.at(value.to_string())});
    }
    return countermodel;
}

} // namespace varquen::prover
