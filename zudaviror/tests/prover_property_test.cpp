// The prover decides on the program's own translation: for random formulas within the limits,
// Z3 proves that translation equivalent to Kripke semantics built here from the modal formula.
#include "relational_oracle.h"
#include "z3_worlds.h"

#include "zudaviror/formula_code.h"
#include "zudaviror/trans.h"
#include "zudaviror/world_formula.h"

#include <gtest/gtest.h>

#include <z3++.h>

#include <random>
#include <string>

namespace zudaviror {

namespace {

// The truth of the formula at a world, from the definition of Kripke semantics.
z3::expr kripkeTruth(const oracle::Formula& formula, const z3::expr& world, prover::Z3Worlds& worlds,
                     int depth) {
    z3::context& context = worlds.context();
    switch (formula.code) {
    case '*':
        return context.bool_val(false);
    case '#':
        return !kripkeTruth(*formula.left, world, worlds, depth);
    case '!':
    case '"': {
        // Named as TRANS names the world a modal operator at this depth binds, so that Z3 sees
        // at once what is the same and has to reason only where the two differ.
        const std::string name(1, kWorldLetters.at(depth + 1));
        const z3::expr seen = context.constant(name.c_str(), worlds.worldSort());
        const z3::expr there = kripkeTruth(*formula.left, seen, worlds, depth + 1);
        const z3::expr access = worlds.accessible()(world, seen);
        return formula.code == '!' ? z3::forall(seen, z3::implies(access, there))
                                   : z3::exists(seen, access && there);
    }
    case '+':
        return kripkeTruth(*formula.left, world, worlds, depth) &&
               kripkeTruth(*formula.right, world, worlds, depth);
    case ',':
        return kripkeTruth(*formula.left, world, worlds, depth) ||
               kripkeTruth(*formula.right, world, worlds, depth);
    case '-':
        return z3::implies(kripkeTruth(*formula.left, world, worlds, depth),
                           kripkeTruth(*formula.right, world, worlds, depth));
    case '.':
        return kripkeTruth(*formula.left, world, worlds, depth) ==
               kripkeTruth(*formula.right, world, worlds, depth);
    default:
        return worlds.predicate(formula.code)(world);
    }
}

TEST(ProverProperty, TranslationIsEquivalentToKripkeSemantics) {
    std::mt19937 random(20261209);
    int asked = 0;
    while (asked < 300) {
        const auto formula = oracle::randomFormula(random, 1 + asked % 11);
        const std::string K = oracle::spell(*formula);
        const TransOutcome translation = TRANS(K);
        if (!translation.translated()) {
            continue; // beyond the limits
        }
        ++asked;
        const WorldFormulaRead read = readWorldFormula(translation.result);
        ASSERT_TRUE(read.value) << K << ": " << read.reason;
        z3::context context;
        prover::Z3Worlds worlds(context);
        const z3::expr u = context.constant("u", worlds.worldSort());
        z3::solver solver(context);
        solver.set("timeout", 10000u);
        solver.add(worlds.formula(*read.value, {{'u', u}}) != kripkeTruth(*formula, u, worlds, 0));
        EXPECT_EQ(solver.check(), z3::unsat) << K << " -> " << translation.result;
    }
}

} // namespace

} // namespace zudaviror
