#include "z3_problem.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace varquen::prover {

namespace {

using Kind = FirstOrderFormula::Kind;

void addTermVariables(const FirstOrderTerm& term, std::set<int>& variables) {
    if (term.kind == FirstOrderTerm::Kind::Variable) {
        variables.insert(term.symbol);
    }
    for (const FirstOrderTerm& argument : term.arguments) {
        addTermVariables(argument, variables);
    }
}

// The variables free in `formula`; adds to `size` what writing its parts out makes.
std::set<int> freeVariablesCounted(const FirstOrderFormula& formula, double domainSize, double& size) {
    std::set<int> free;
    for (const FirstOrderTerm& term : formula.terms) {
        addTermVariables(term, free);
    }
    for (const FirstOrderFormula& part : formula.parts) {
        free.merge(freeVariablesCounted(part, domainSize, size));
    }
    const bool quantifier = formula.kind == Kind::ForAll || formula.kind == Kind::Exists;
    size += std::pow(domainSize, static_cast<double>(free.size()));
    if (quantifier) {
        free.erase(formula.symbol);
    }
    return free;
}

// A quantifier of Z3's over an unbounded domain; over a bounded one, the conjunction (or the
// disjunction) of the body at each individual, which Z3 decides without instantiating anything.
z3::expr quantified(const Z3Signature& z3Signature, bool universal, const z3::expr_vector& variables,
                    const z3::expr& body) {
    if (z3Signature.boundedDomain.empty()) {
        return universal ? z3::forall(variables, body) : z3::exists(variables, body);
    }
    z3::expr_vector cases(z3Signature.context), variable(z3Signature.context), rest(z3Signature.context);
    variable.push_back(variables[0]);
    for (unsigned i = 1; i < variables.size(); ++i) {
        rest.push_back(variables[i]);
    }
    for (const z3::expr& element : z3Signature.boundedDomain) {
        if (z3Signature.limit != nullptr &&
            (z3Signature.limit->stop.stop_requested() ||
             std::chrono::steady_clock::now() >= z3Signature.limit->deadline)) {
            throw WriteOutStopped{};
        }
        z3::expr_vector individual(z3Signature.context);
        individual.push_back(element);
        const z3::expr at = z3::expr(body).substitute(variable, individual);
        cases.push_back(rest.empty() ? at : quantified(z3Signature, universal, rest, at));
    }
    return universal ? z3::mk_and(cases) : z3::mk_or(cases);
}

z3::expr quantified(const Z3Signature& z3Signature, bool universal, const z3::expr& variable,
                    const z3::expr& body) {
    z3::expr_vector variables(z3Signature.context);
    variables.push_back(variable);
    return quantified(z3Signature, universal, variables, body);
}

z3::expr encodeTerm(const Z3Signature& z3Signature, const FirstOrderTerm& term) {
    if (term.kind == FirstOrderTerm::Kind::Variable) {
        return z3Signature.variables[static_cast<std::size_t>(term.symbol)];
    }
    z3::expr_vector arguments(z3Signature.context);
    for (const FirstOrderTerm& argument : term.arguments) {
        arguments.push_back(encodeTerm(z3Signature, argument));
    }
    return z3Signature.functions[static_cast<std::size_t>(term.symbol)](arguments);
}

z3::expr applyToTerms(const Z3Signature& z3Signature, const z3::func_decl& symbol,
                      const std::vector<FirstOrderTerm>& terms) {
    z3::expr_vector arguments(z3Signature.context);
    for (const FirstOrderTerm& term : terms) {
        arguments.push_back(encodeTerm(z3Signature, term));
    }
    return symbol(arguments);
}

z3::sort_vector individualsTimes(const Z3Signature& z3Signature, std::size_t count) {
    z3::sort_vector domain(z3Signature.context);
    for (std::size_t i = 0; i < count; ++i) {
        domain.push_back(z3Signature.individuals);
    }
    return domain;
}

// ∀ x1 … xn (U1 x1 ∧ … ∧ Un xn → R f(x1, …, xn)) for a function of result universe R.
z3::expr functionTyping(const Z3Signature& z3Signature, const FirstOrderSignature::Function& function,
                        const z3::func_decl& symbol) {
    z3::context& context = z3Signature.context;
    z3::expr_vector arguments(context);
    z3::expr guards = context.bool_val(true);
    for (std::size_t i = 1; i < function.types.size(); ++i) {
        arguments.push_back(context.constant(("x" + std::to_string(i)).c_str(), z3Signature.individuals));
        guards = guards &&
                 z3Signature.universes[static_cast<std::size_t>(function.types[i] - 1)](arguments.back());
    }
    const z3::expr typed = z3::implies(
        guards, z3Signature.universes[static_cast<std::size_t>(function.types[0] - 1)](symbol(arguments)));
    return arguments.empty() ? typed : quantified(z3Signature, true, arguments, typed);
}

// An enumeration of `size` individuals, named by their number so that each size is a sort of its own.
z3::sort boundedSort(z3::context& context, int size, std::vector<z3::expr>& elements) {
    std::vector<std::string> names;
    std::vector<const char*> pointers;
    for (int i = 1; i <= size; ++i) {
        names.push_back("e" + std::to_string(i) + "_" + std::to_string(size));
    }
    for (const std::string& name : names) {
        pointers.push_back(name.c_str());
    }
    z3::func_decl_vector constants(context), testers(context);
    const z3::sort sort =
        context.enumeration_sort(("Individuo" + std::to_string(size)).c_str(), static_cast<unsigned>(size),
                                 pointers.data(), constants, testers);
    for (unsigned i = 0; i < constants.size(); ++i) {
        elements.push_back(constants[i]());
    }
    return sort;
}

} // namespace

Z3Signature declareSignature(z3::context& context, const FirstOrderSignature& signature, int domainSize,
                             const WriteOutLimit* limit) {
    Z3Signature result(context);
    result.limit = limit;
    if (domainSize == 0) {
        result.individuals = context.uninterpreted_sort("Individuo");
    } else {
        result.individuals = boundedSort(context, domainSize, result.boundedDomain);
    }
    const z3::sort truth = context.bool_sort();
    for (const std::string& universe : signature.universes) {
        result.universes.push_back(context.function(("U_" + universe).c_str(), result.individuals, truth));
    }
    for (const FirstOrderSignature::Function& function : signature.functions) {
        const z3::sort range = function.types[0] == 0 ? truth : result.individuals;
        result.functions.push_back(context.function(
            ("f_" + function.name).c_str(), individualsTimes(result, function.types.size() - 1), range));
    }
    for (const FirstOrderSignature::Relation& relation : signature.relations) {
        result.relations.push_back(
            context.function(("r_" + relation.name).c_str(),
                             individualsTimes(result, static_cast<std::size_t>(relation.arity)), truth));
    }
    for (const FirstOrderSignature::Variable& variable : signature.variables) {
        result.variables.push_back(context.constant(("v_" + variable.name).c_str(), result.individuals));
    }
    return result;
}

z3::expr encodeFormula(const Z3Signature& z3Signature, const FirstOrderFormula& formula) {
    const auto part = [&](std::size_t i) { return encodeFormula(z3Signature, formula.parts[i]); };
    const auto symbol = static_cast<std::size_t>(formula.symbol);
    switch (formula.kind) {
    case Kind::Not:
        return !part(0);
    case Kind::And:
        return part(0) && part(1);
    case Kind::Or:
        return part(0) || part(1);
    case Kind::Implies:
        return z3::implies(part(0), part(1));
    case Kind::ForAll:
        return quantified(z3Signature, true, z3Signature.variables[symbol], part(0));
    case Kind::Exists:
        return quantified(z3Signature, false, z3Signature.variables[symbol], part(0));
    case Kind::Equals:
        return encodeTerm(z3Signature, formula.terms[0]) == encodeTerm(z3Signature, formula.terms[1]);
    case Kind::Universe:
        return z3Signature.universes[symbol - 1](encodeTerm(z3Signature, formula.terms[0]));
    case Kind::Relation:
        return applyToTerms(z3Signature, z3Signature.relations[symbol], formula.terms);
    case Kind::Predicate:
        return applyToTerms(z3Signature, z3Signature.functions[symbol], formula.terms);
    }
    return z3Signature.context.bool_val(false);
}

namespace {

void markUniverses(const FirstOrderSignature& signature, const FirstOrderFormula& formula,
                   std::vector<bool>& used) {
    if (formula.kind == Kind::Universe) {
        used[static_cast<std::size_t>(formula.symbol - 1)] = true;
    }
    if (formula.kind == Kind::ForAll || formula.kind == Kind::Exists) {
        used[static_cast<std::size_t>(signature.variables[static_cast<std::size_t>(formula.symbol)].type -
                                      1)] = true;
    }
    for (const FirstOrderFormula& part : formula.parts) {
        markUniverses(signature, part, used);
    }
}

} // namespace

std::vector<bool> usedUniverses(const FirstOrderProblem& problem) {
    const FirstOrderSignature& signature = problem.signature;
    std::vector<bool> used(signature.universes.size(), false);
    markUniverses(signature, problem.formula, used);
    for (const int v : problem.freeVariables) {
        used[static_cast<std::size_t>(signature.variables[static_cast<std::size_t>(v)].type - 1)] = true;
    }
    for (const FirstOrderSignature::Function& function : signature.functions) {
        for (const int type : function.types) {
            if (function.used && type != 0) {
                used[static_cast<std::size_t>(type - 1)] = true;
            }
        }
    }
    return used;
}

int usedUniverseCount(const FirstOrderProblem& problem) {
    const std::vector<bool> used = usedUniverses(problem);
    return static_cast<int>(std::count(used.begin(), used.end(), true));
}

double writtenOutSize(const FirstOrderProblem& problem, int domainSize) {
    const auto individuals = static_cast<double>(domainSize);
    double size = 0;
    freeVariablesCounted(problem.formula, individuals, size);
    for (const FirstOrderSignature::Function& function : problem.signature.functions) {
        if (function.used) {
            size += std::pow(individuals, static_cast<double>(function.types.size() - 1));
        }
    }
    const auto universes = static_cast<double>(usedUniverseCount(problem));
    return size + universes * universes * individuals;
}

z3::expr_vector relativisationAxioms(const Z3Signature& z3Signature, const FirstOrderProblem& problem) {
    const FirstOrderSignature& signature = problem.signature;
    z3::context& context = z3Signature.context;
    z3::expr_vector axioms(context);
    const z3::expr x = context.constant("x", z3Signature.individuals);
    const std::vector<bool> used = usedUniverses(problem);
    for (std::size_t u = 0; u < z3Signature.universes.size(); ++u) {
        if (!used[u]) {
            continue;
        }
        axioms.push_back(quantified(z3Signature, false, x, z3Signature.universes[u](x)));
        for (std::size_t w = u + 1; w < z3Signature.universes.size(); ++w) {
            if (!used[w]) {
                continue;
            }
            axioms.push_back(quantified(z3Signature, true, x,
                                        !(z3Signature.universes[u](x) && z3Signature.universes[w](x))));
        }
    }
    for (std::size_t f = 0; f < signature.functions.size(); ++f) {
        const FirstOrderSignature::Function& function = signature.functions[f];
        if (function.used && function.types[0] >= 1) {
            axioms.push_back(functionTyping(z3Signature, function, z3Signature.functions[f]));
        }
    }
    return axioms;
}

z3::expr_vector freeVariableGuards(const Z3Signature& z3Signature, const FirstOrderProblem& problem) {
    z3::expr_vector guards(z3Signature.context);
    for (const int v : problem.freeVariables) {
        const int type = problem.signature.variables[static_cast<std::size_t>(v)].type;
        guards.push_back(z3Signature.universes[static_cast<std::size_t>(type - 1)](
            z3Signature.variables[static_cast<std::size_t>(v)]));
    }
    return guards;
}

} // namespace varquen::prover
