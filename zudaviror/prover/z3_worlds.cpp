#include "z3_worlds.h"

#include "zudaviror/formula_code.h"

#include <optional>
#include <string>

namespace zudaviror::prover {

Z3Worlds::Z3Worlds(z3::context& context)
    : context_(context), world_(context.uninterpreted_sort("mundo")),
      accessible_(context.function("S", world_, world_, context.bool_sort())) {}

z3::func_decl Z3Worlds::predicate(char symbol) {
    auto found = predicates_.find(symbol);
    if (found == predicates_.end()) {
        const std::string name = "holds_" + std::to_string(static_cast<unsigned char>(symbol));
        found =
            predicates_.emplace(symbol, context_.function(name.c_str(), world_, context_.bool_sort())).first;
    }
    return found->second;
}

z3::expr Z3Worlds::formula(const WorldFormula& formula, const std::map<char, z3::expr>& freeWorlds) {
    std::map<char, z3::expr> worlds = freeWorlds;
    return translate(formula, worlds);
}

z3::expr Z3Worlds::translate(const WorldFormula& formula, std::map<char, z3::expr>& worlds) {
    switch (formula.node) {
    case WorldNode::Holds:
        return predicate(formula.symbol)(worlds.at(formula.world));
    case WorldNode::Accessible:
        return accessible_(worlds.at(formula.world), worlds.at(formula.otherWorld));
    case WorldNode::Distinct:
        return worlds.at(formula.world) != worlds.at(formula.otherWorld);
    case WorldNode::Negation:
        return !translate(*formula.left, worlds);
    case WorldNode::Binary: {
        const z3::expr left = translate(*formula.left, worlds);
        const z3::expr right = translate(*formula.right, worlds);
        switch (formula.symbol) {
        case FormulaCode::Conjuncion:
            return left && right;
        case FormulaCode::Disyuncion:
            return left || right;
        case FormulaCode::Condicional:
            return z3::implies(left, right);
        default:
            return left == right;
        }
    }
    case WorldNode::Universal:
    case WorldNode::Existential:
        break;
    }
    // A bound letter shadows the same letter outside its scope for as long as the scope lasts.
    const z3::expr bound = context_.constant(std::string(1, formula.world).c_str(), world_);
    const auto outer = worlds.find(formula.world);
    const std::optional<z3::expr> shadowed =
        outer == worlds.end() ? std::nullopt : std::optional<z3::expr>(outer->second);
    worlds.insert_or_assign(formula.world, bound);
    const z3::expr body = translate(*formula.left, worlds);
    if (shadowed) {
        worlds.insert_or_assign(formula.world, *shadowed);
    } else {
        worlds.erase(formula.world);
    }
    return formula.node == WorldNode::Universal ? z3::forall(bound, body) : z3::exists(bound, body);
}

z3::expr Z3Worlds::frameAxiom(FrameCondition condition) {
    const z3::expr x = context_.constant("x", world_);
    const z3::expr y = context_.constant("y", world_);
    const z3::expr z = context_.constant("z", world_);
    switch (condition) {
    case FrameCondition::Serial:
        return z3::forall(x, z3::exists(y, accessible_(x, y)));
    case FrameCondition::Reflexive:
        return z3::forall(x, accessible_(x, x));
    case FrameCondition::Symmetric:
        return z3::forall(x, y, z3::implies(accessible_(x, y), accessible_(y, x)));
    case FrameCondition::Transitive:
        break;
    }
    return z3::forall(x, y, z, z3::implies(accessible_(x, y) && accessible_(y, z), accessible_(x, z)));
}

} // namespace zudaviror::prover
