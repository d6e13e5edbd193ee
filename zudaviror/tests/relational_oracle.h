#pragma once

// An independent reference for the tests: modal formulas as trees, written out as the keypad
// types them, and their relational translation computed on the structure.

#include <memory>
#include <random>
#include <string>

namespace zudaviror::oracle {

struct Formula {
    char code = 'p'; // atom, unary operator or binary connective
    std::unique_ptr<Formula> left;
    std::unique_ptr<Formula> right;
};

struct Measures {
    std::size_t codes = 0;
    std::size_t leaves = 0;
    std::size_t modalNesting = 0;
    std::size_t longestLeaf = 0;
};

// Keypad spelling: inner binary formulas parenthesised, a top-level one not.
std::string spell(const Formula& formula);

// Tr(K, u), without the outer parentheses of a top-level binary formula.
std::string translate(const Formula& formula);

Measures measure(const Formula& formula);

// A random formula with up to maxLeaves atoms; operator chains are sometimes long.
std::unique_ptr<Formula> randomFormula(std::mt19937& random, int maxLeaves);

} // namespace zudaviror::oracle
