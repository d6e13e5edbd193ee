#pragma once

#include "varquen/first_order.h"

#include <z3++.h>

#include <chrono>
#include <stop_token>
#include <vector>

namespace varquen::prover {

// Writing a bounded domain's quantifiers out is not Z3's work, so Z3's limits do not reach it: it
// checks the question's deadline and its stop request at every instance and throws
// WriteOutStopped when either has come.
struct WriteOutLimit {
    std::chrono::steady_clock::time_point deadline;
    std::stop_token stop;
};
struct WriteOutStopped {};

// The one-sorted signature in Z3: one sort of individuals, a predicate per universe, and the
// functions, relations and variables over it, numbered as in the signature.
struct Z3Signature {
    explicit Z3Signature(z3::context& context) : context(context), individuals(context) {}

    z3::context& context;
    z3::sort individuals;
    const WriteOutLimit* limit = nullptr; // over a bounded domain
    // The individuals of a bounded domain, none when it is unbounded.
    std::vector<z3::expr> boundedDomain;
    std::vector<z3::func_decl> universes; // universe u is universes[u - 1]
    std::vector<z3::func_decl> functions;
    std::vector<z3::func_decl> relations;
    std::vector<z3::expr> variables;
};

// Over an unbounded domain, or with a domainSize of n over exactly n individuals (an enumeration,
// in which Z3 finds small countermodels at once where an unbounded search can miss them).
Z3Signature declareSignature(z3::context& context, const FirstOrderSignature& signature, int domainSize = 0,
                             const WriteOutLimit* limit = nullptr);

z3::expr encodeFormula(const Z3Signature& z3Signature, const FirstOrderFormula& formula);

// Which universes the question is about (universe u at u - 1): those its formula, its free
// variables and its functions name. The others take no part in it: a countermodel gives each an
// element of its own.
std::vector<bool> usedUniverses(const FirstOrderProblem& problem);
int usedUniverseCount(const FirstOrderProblem& problem);

// How many formulas the question makes over a bounded domain of domainSize individuals, where
// every quantifier is written out: each part of the formula once for every choice of the
// individuals its free variables stand for, and each function's typing once per argument tuple.
double writtenOutSize(const FirstOrderProblem& problem, int domainSize);

// What every many-sorted structure satisfies once its universes are predicates of one domain:
// each used universe non-empty, every two disjoint, each used function into its result universe.
z3::expr_vector relativisationAxioms(const Z3Signature& z3Signature, const FirstOrderProblem& problem);

// Each free variable in its universe.
z3::expr_vector freeVariableGuards(const Z3Signature& z3Signature, const FirstOrderProblem& problem);

} // namespace varquen::prover
