#include "relational_oracle.h"

#include <algorithm>
#include <string_view>

namespace zudaviror::oracle {

namespace {

constexpr std::string_view kWorlds = "uvwxyzabcdefghijklmn";
constexpr std::string_view kAtoms = "pqrst*%$;'";
constexpr std::string_view kUnary = "!\"#";
constexpr std::string_view kBinary = "+,-.";

bool isUnary(char code) {
    return kUnary.find(code) != std::string_view::npos;
}

bool isBinary(char code) {
    return kBinary.find(code) != std::string_view::npos;
}

std::string spellUnit(const Formula& formula) {
    if (isUnary(formula.code)) {
        return formula.code + spellUnit(*formula.left);
    }
    if (isBinary(formula.code)) {
        return "(" + spellUnit(*formula.left) + formula.code + spellUnit(*formula.right) + ")";
    }
    return std::string(1, formula.code);
}

std::string tr(const Formula& formula, std::size_t world) {
    const char w = kWorlds.at(world);
    const char code = formula.code;
    if (code == '!' || code == '"') {
        const char next = kWorlds.at(world + 1);
        const char quantifier = code == '!' ? '^' : '`';
        const char connective = code == '!' ? '-' : '+';
        return std::string{quantifier, next, '(', 'S', w, next, connective} + tr(*formula.left, world + 1) +
               ")";
    }
    if (code == '#') {
        return "#" + tr(*formula.left, world);
    }
    if (isBinary(code)) {
        return "(" + tr(*formula.left, world) + code + tr(*formula.right, world) + ")";
    }
    if (code >= 'p' && code <= 't') {
        return std::string{static_cast<char>(code - 'p' + 'P'), w};
    }
    if (code == '*') {
        return "u~u";
    }
    return std::string("TRANS/(") + code + ")[" + w + "]";
}

void measureInto(const Formula& formula, std::size_t modalAbove, std::size_t operatorsAbove,
                 Measures& measures) {
    const char code = formula.code;
    if (isUnary(code)) {
        measures.codes += 1;
        measureInto(*formula.left, modalAbove + (code != '#'), operatorsAbove + 1, measures);
    } else if (isBinary(code)) {
        measures.codes += 3;
        measureInto(*formula.left, modalAbove, 0, measures);
        measureInto(*formula.right, modalAbove, 0, measures);
    } else {
        measures.codes += 1;
        measures.leaves += 1;
        measures.modalNesting = std::max(measures.modalNesting, modalAbove);
        measures.longestLeaf = std::max(measures.longestLeaf, operatorsAbove + 1);
    }
}

template <typename Text> char pick(std::mt19937& random, Text choices) {
    return choices[std::uniform_int_distribution<std::size_t>(0, choices.size() - 1)(random)];
}

std::unique_ptr<Formula> randomUnit(std::mt19937& random, int leaves) {
    auto formula = std::make_unique<Formula>();
    std::unique_ptr<Formula>* slot = &formula;
    const bool longChain = std::uniform_int_distribution<int>(0, 9)(random) == 0;
    const int operators = std::uniform_int_distribution<int>(0, longChain ? 30 : 2)(random);
    for (int i = 0; i < operators; ++i) {
        (*slot)->code = pick(random, kUnary);
        (*slot)->left = std::make_unique<Formula>();
        slot = &(*slot)->left;
    }
    if (leaves == 1) {
        (*slot)->code = pick(random, kAtoms);
        return formula;
    }
    const int leftLeaves = std::uniform_int_distribution<int>(1, leaves - 1)(random);
    (*slot)->code = pick(random, kBinary);
    (*slot)->left = randomUnit(random, leftLeaves);
    (*slot)->right = randomUnit(random, leaves - leftLeaves);
    return formula;
}

} // namespace

std::string spell(const Formula& formula) {
    if (isBinary(formula.code)) {
        return spellUnit(*formula.left) + formula.code + spellUnit(*formula.right);
    }
    return spellUnit(formula);
}

std::string translate(const Formula& formula) {
    const std::string translation = tr(formula, 0);
    if (isBinary(formula.code)) {
        return translation.substr(1, translation.size() - 2);
    }
    return translation;
}

Measures measure(const Formula& formula) {
    Measures measures;
    measureInto(formula, 0, 0, measures);
    if (isBinary(formula.code)) {
        measures.codes -= 2;
    }
    return measures;
}

std::unique_ptr<Formula> randomFormula(std::mt19937& random, int maxLeaves) {
    const int leaves = std::uniform_int_distribution<int>(1, maxLeaves)(random);
    if (leaves == 1 || std::uniform_int_distribution<int>(0, 1)(random) == 0) {
        return randomUnit(random, leaves);
    }
    const int leftLeaves = std::uniform_int_distribution<int>(1, leaves - 1)(random);
    auto formula = std::make_unique<Formula>();
    formula->code = pick(random, kBinary);
    formula->left = randomUnit(random, leftLeaves);
    formula->right = randomUnit(random, leaves - leftLeaves);
    return formula;
}

} // namespace zudaviror::oracle
