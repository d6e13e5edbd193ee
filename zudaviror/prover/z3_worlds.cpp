#include "z3_worlds.h"

#include "zudaviror/formula_code.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zudaviror::prover {

namespace {

// The world letters free in `formula`, each once, with those of every part below it in `memo`.
const std::string& freeLettersOf(const WorldFormula& formula,
                                 std::map<const WorldFormula*, std::string>& memo) {
    const auto found = memo.find(&formula);
    if (found != memo.end()) {
        return found->second;
    }
    std::string letters;
    const auto add = [&letters](char letter) {
        if (letter != 0 && letters.find(letter) == std::string::npos) {
            letters += letter;
        }
    };
    for (const WorldFormula* part : {formula.left.get(), formula.right.get()}) {
        if (part != nullptr) {
            for (const char letter : freeLettersOf(*part, memo)) {
                add(letter);
            }
        }
    }
    switch (formula.node) {
    case WorldNode::Universal:
    case WorldNode::Existential:
        letters.erase(std::remove(letters.begin(), letters.end(), formula.world), letters.end());
        break;
    case WorldNode::Holds:
    case WorldNode::Accessible:
    case WorldNode::Distinct:
        add(formula.world);
        add(formula.otherWorld);
        break;
    case WorldNode::Negation:
    case WorldNode::Binary:
        break;
    }
    return memo.emplace(&formula, std::move(letters)).first->second;
}

} // namespace

Z3Worlds::Z3Worlds(z3::context& context)
    : context_(context), world_(context.uninterpreted_sort("mundo")),
      accessible_(context.function("S", world_, world_, context.bool_sort())), written_(context) {}

Z3Worlds::Z3Worlds(z3::context& context, std::size_t count)
    : context_(context), world_(context.uninterpreted_sort(("mundo_de_" + std::to_string(count)).c_str())),
      accessible_(
          context.function(("S_de_" + std::to_string(count)).c_str(), world_, world_, context.bool_sort())),
      written_(context), suffix_("_de_" + std::to_string(count)) {
    for (std::size_t i = 0; i < count; ++i) {
        written_.push_back(world(static_cast<char>('0' + i)));
    }
}

z3::func_decl Z3Worlds::predicate(char symbol) {
    auto found = predicates_.find(symbol);
    if (found == predicates_.end()) {
        const std::string name = "holds_" + std::to_string(static_cast<unsigned char>(symbol)) + suffix_;
        found =
            predicates_.emplace(symbol, context_.function(name.c_str(), world_, context_.bool_sort())).first;
    }
    return found->second;
}

z3::expr Z3Worlds::world(char letter) {
    return context_.constant((std::string(1, letter) + suffix_).c_str(), world_);
}

z3::expr Z3Worlds::firstWorld(char letter) {
    return written_.empty() ? world(letter) : written_[0];
}

z3::expr Z3Worlds::formula(const WorldFormula& formula, const std::map<char, z3::expr>& freeWorlds) {
    std::map<char, z3::expr> worlds = freeWorlds;
    return translate(formula, worlds);
}

// Written out, a part's formula depends only on the worlds its free letters stand for: it is made
// once for each of them, not once for every world of every quantifier above it.
z3::expr Z3Worlds::translate(const WorldFormula& formula, std::map<char, z3::expr>& worlds) {
    if (written_.empty()) {
        return translatePart(formula, worlds);
    }
    std::vector<std::uintptr_t> key{reinterpret_cast<std::uintptr_t>(&formula)};
    for (const char letter : freeLettersOf(formula, freeLetters_)) {
        key.push_back(Z3_get_ast_id(context_, worlds.at(letter)));
    }
    const auto found = writtenOut_.find(key);
    if (found != writtenOut_.end()) {
        return found->second;
    }
    const z3::expr result = translatePart(formula, worlds);
    writtenOut_.emplace(std::move(key), result);
    return result;
}

z3::expr Z3Worlds::translatePart(const WorldFormula& formula, std::map<char, z3::expr>& worlds) {
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
    const auto outer = worlds.find(formula.world);
    const std::optional<z3::expr> shadowed =
        outer == worlds.end() ? std::nullopt : std::optional<z3::expr>(outer->second);
    const auto bodyAt = [&](const z3::expr& world) {
        worlds.insert_or_assign(formula.world, world);
        return translate(*formula.left, worlds);
    };
    const bool universal = formula.node == WorldNode::Universal;
    std::optional<z3::expr> quantified;
    if (written_.empty()) {
        const z3::expr bound = world(formula.world);
        const z3::expr body = bodyAt(bound);
        quantified = universal ? z3::forall(bound, body) : z3::exists(bound, body);
    } else {
        quantified = overEveryWorld(universal, bodyAt);
    }
    if (shadowed) {
        worlds.insert_or_assign(formula.world, *shadowed);
    } else {
        worlds.erase(formula.world);
    }
    return *quantified;
}

z3::expr Z3Worlds::overEveryWorld(bool universal, const std::function<z3::expr(const z3::expr&)>& body) {
    z3::expr_vector cases(context_);
    for (const z3::expr& world : written_) {
        cases.push_back(body(world));
    }
    return universal ? z3::mk_and(cases) : z3::mk_or(cases);
}

double Z3Worlds::writtenOutSize(const WorldFormula& formula, std::size_t count) {
    std::map<const WorldFormula*, std::string> memo;
    double size = 0;
    const std::function<void(const WorldFormula&)> visit = [&](const WorldFormula& part) {
        const bool quantifier = part.node == WorldNode::Universal || part.node == WorldNode::Existential;
        const double freeLetters =
            static_cast<double>(freeLettersOf(part, memo).size()) + (quantifier ? 1 : 0);
        size += std::pow(static_cast<double>(count), freeLetters);
        for (const WorldFormula* below : {part.left.get(), part.right.get()}) {
            if (below != nullptr) {
                visit(*below);
            }
        }
    };
    visit(formula);
    return size;
}

z3::expr Z3Worlds::writtenWorldsApart() {
    return written_.size() < 2 ? context_.bool_val(true) : z3::distinct(written_);
}

z3::expr_vector Z3Worlds::worldsOf(const z3::model& model) {
    if (!written_.empty()) {
        return written_;
    }
    z3::expr_vector universe(context_, Z3_model_get_sort_universe(context_, model, world_));
    context_.check_error();
    return universe;
}

z3::expr Z3Worlds::frameAxiom(FrameCondition condition) {
    if (!written_.empty()) {
        return boundedFrameAxiom(condition);
    }
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

z3::expr Z3Worlds::boundedFrameAxiom(FrameCondition condition) {
    const auto every = [this](const std::function<z3::expr(const z3::expr&)>& body) {
        return overEveryWorld(true, body);
    };
    switch (condition) {
    case FrameCondition::Serial:
        return every([&](const z3::expr& x) {
            return overEveryWorld(false, [&](const z3::expr& y) { return accessible_(x, y); });
        });
    case FrameCondition::Reflexive:
        return every([&](const z3::expr& x) { return accessible_(x, x); });
    case FrameCondition::Symmetric:
        return every([&](const z3::expr& x) {
            return every(
                [&](const z3::expr& y) { return z3::implies(accessible_(x, y), accessible_(y, x)); });
        });
    case FrameCondition::Transitive:
        break;
    }
    return every([&](const z3::expr& x) {
        return every([&](const z3::expr& y) {
            return every([&](const z3::expr& z) {
                return z3::implies(accessible_(x, y) && accessible_(y, z), accessible_(x, z));
            });
        });
    });
}

} // namespace zudaviror::prover
