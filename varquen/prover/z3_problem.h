#pragma once

#include "varquen/first_order.h"

#include <z3++.h>

#include <vector>

namespace varquen::prover {

// The one-sorted signature in Z3: one sort of individuals, a predicate per universe, and the
// functions, relations and variables over it, numbered as in the signature.
struct Z3Signature {
    explicit Z3Signature(z3::context& context) : context(context), individuals(context) {}

    z3::context& context;
    z3::sort individuals;
    // The individuals of a bounded domain, none when it is unbounded.
    std::vector<z3::expr> boundedDomain;
    std::vector<z3::func_decl> universes; // universe u is universes[u - 1]
    std::vector<z3::func_decl> functions;
    std::vector<z3::func_decl> relations;
    std::vector<z3::expr> variables;
};

// Over an unbounded domain, or with a domainSize of n over exactly n individuals (an enumeration,
// in which Z3 finds small countermodels at once where an unbounded search can miss them).
Z3Signature declareSignature(z3::context& context, const FirstOrderSignature& signature, int domainSize = 0);

z3::expr encodeFormula(const Z3Signature& z3Signature, const FirstOrderFormula& formula);

// How many formulas the question makes over a bounded domain of domainSize individuals, where
// every quantifier is written out: each part of the formula once for every choice of the
// individuals its free variables stand for, and each function's typing once per argument tuple.
double writtenOutSize(const FirstOrderProblem& problem, int domainSize);

// What every many-sorted structure satisfies once its universes are predicates of one domain:
// each universe non-empty, every two disjoint, each used function into its result universe.
z3::expr_vector relativisationAxioms(const Z3Signature& z3Signature, const FirstOrderSignature& signature);

// Each free variable in its universe.
z3::expr_vector freeVariableGuards(const Z3Signature& z3Signature, const FirstOrderProblem& problem);

} // namespace varquen::prover
