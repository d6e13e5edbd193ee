// The tableau's answer is the answer about the program's own translation: for random formulas
// within the limits, Z3 proves that translation equivalent to Kripke semantics built here from the
// modal formula, Z3's answer on the translation is the tableau's whenever Z3 has one, and every
// answer agrees with Kripke semantics evaluated here: a countermodel refutes the formula in a
// frame of its system, and a valid formula holds in random frames of the system.
#include "kripke_evaluation.h"
#include "relational_oracle.h"
#include "z3_validity_prover.h"
#include "z3_worlds.h"

#include "zudaviror/formula_code.h"
#include "zudaviror/trans.h"
#include "zudaviror/validity_question.h"
#include "zudaviror/world_formula.h"

#include <gtest/gtest.h>

#include <z3++.h>

#include <chrono>
#include <random>
#include <set>
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

// A random model of up to four worlds whose relation is closed under the system's conditions.
KripkeModel randomModel(std::mt19937& random, ModalSystem system) {
    KripkeModel model;
    model.worldCount = 1 + random() % 4;
    std::set<std::pair<std::size_t, std::size_t>> arrows;
    for (std::size_t from = 0; from < model.worldCount; ++from) {
        for (std::size_t to = 0; to < model.worldCount; ++to) {
            if (random() % 3 == 0) {
                arrows.emplace(from, to);
            }
        }
        std::string letters;
        for (const char letter : std::string("pqrst%$;'")) {
            if (random() % 2 == 0) {
                letters += letter;
            }
        }
        model.valuation.push_back(letters);
    }
    const auto has = [&](FrameCondition c) {
        const auto conditions = frameConditions(system);
        return std::find(conditions.begin(), conditions.end(), c) != conditions.end();
    };
    for (std::size_t round = 0; round < model.worldCount; ++round) {
        for (std::size_t w = 0; w < model.worldCount; ++w) {
            if (has(FrameCondition::Reflexive) || (has(FrameCondition::Serial) && random() % 2 == 0)) {
                arrows.emplace(w, w);
            }
        }
        for (const auto& [from, to] : std::set(arrows)) {
            if (has(FrameCondition::Symmetric)) {
                arrows.emplace(to, from);
            }
            for (const auto& [middle, last] : std::set(arrows)) {
                if (has(FrameCondition::Transitive) && middle == to) {
                    arrows.emplace(from, last);
                }
            }
        }
    }
    for (std::size_t w = 0; w < model.worldCount; ++w) {
        const bool seesSome =
            std::any_of(arrows.begin(), arrows.end(), [w](const auto& a) { return a.first == w; });
        if (has(FrameCondition::Serial) && !seesSome) {
            arrows.emplace(w, w);
        }
    }
    model.arrows.assign(arrows.begin(), arrows.end());
    return model;
}

TEST(ProverProperty, EveryAnswerAgreesWithKripkeSemantics) {
    const ModalSystem systems[] = {ModalSystem::K, ModalSystem::D,  ModalSystem::T,
                                   ModalSystem::B, ModalSystem::S4, ModalSystem::S5};
    std::mt19937 random(20261210);
    int asked = 0;
    while (asked < 90) {
        const auto formula = oracle::randomFormula(random, 1 + asked % 8);
        const std::string K = oracle::spell(*formula);
        const ModalSystem system = systems[asked % 6];
        const ValidityOutcome outcome = askValidity(K, system);
        if (!outcome.translation.translated()) {
            continue; // beyond the limits
        }
        ++asked;
        if (outcome.answer.verdict.validity == suite::Validity::Unknown) {
            continue; // the time limit, honest too
        }
        const WorldFormulaRead read = readWorldFormula(outcome.translation.result);
        ASSERT_TRUE(read.value) << read.reason;
        const suite::Validity z3 = prover::Z3ValidityProver()
                                       .decide(*read.value, system, std::chrono::milliseconds(500))
                                       .verdict.validity;
        if (z3 != suite::Validity::Unknown) {
            EXPECT_EQ(z3, outcome.answer.verdict.validity) << K << " in " << systemName(system);
        }
        if (outcome.answer.countermodel) {
            const KripkeModel& model = *outcome.answer.countermodel;
            EXPECT_FALSE(oracle::holdsAt(K, model, model.failingWorld))
                << K << " " << countermodelText(model);
            EXPECT_TRUE(oracle::meetsConditions(model, system)) << K << " " << countermodelText(model);
        } else if (outcome.answer.verdict.validity == suite::Validity::Valid) { // unknown is honest too
            for (int trial = 0; trial < 30; ++trial) {
                const KripkeModel model = randomModel(random, system);
                ASSERT_TRUE(oracle::meetsConditions(model, system)) << countermodelText(model);
                for (std::size_t w = 0; w < model.worldCount; ++w) {
                    EXPECT_TRUE(oracle::holdsAt(K, model, w)) << K << " " << countermodelText(model);
                }
            }
        }
    }
}

} // namespace

} // namespace zudaviror
