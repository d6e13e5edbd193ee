#include "zudaviror/countermodel_shrinking.h"

#include "zudaviror/formula_code.h"

#include <algorithm>
#include <optional>

namespace zudaviror {

namespace {

using Relation = std::vector<std::vector<char>>;

Relation relationOf(const KripkeModel& model) {
    Relation sees(model.worldCount, std::vector<char>(model.worldCount, 0));
    for (const auto& [from, to] : model.arrows) {
        sees.at(from).at(to) = 1;
    }
    return sees;
}

bool combined(char connective, bool left, bool right) {
    switch (connective) {
    case FormulaCode::Conjuncion:
        return left && right;
    case FormulaCode::Disyuncion:
        return left || right;
    case FormulaCode::Condicional:
        return !left || right;
    default:
        return left == right;
    }
}

// The model with world `gone` merged into world `into` (its arrows moved there; the merged world
// keeps the letters of `into`, or of `gone` when keepGone) and the worlds renumbered; gone == into
// drops the world with its arrows instead.
KripkeModel merged(const KripkeModel& model, std::size_t gone, std::size_t into, bool keepGone) {
    const auto renamed = [&](std::size_t world) {
        return world == gone ? into : world - (world > gone ? 1 : 0);
    };
    const std::size_t target = into - (into > gone ? 1 : 0);
    KripkeModel result;
    result.worldCount = model.worldCount - 1;
    for (std::size_t world = 0; world < model.worldCount; ++world) {
        if (world != gone) {
            result.valuation.push_back(model.valuation.at(world == into && keepGone ? gone : world));
        }
    }
    for (const auto& [from, to] : model.arrows) {
        if (gone == into && (from == gone || to == gone)) {
            continue;
        }
        const std::pair arrow(from == gone ? target : renamed(from), to == gone ? target : renamed(to));
        if (std::find(result.arrows.begin(), result.arrows.end(), arrow) == result.arrows.end()) {
            result.arrows.push_back(arrow);
        }
    }
    return result;
}

bool failsAtZero(const ModalFormulas& formulas, int formula, const KripkeModel& model) {
    return model.worldCount > 0 &&
           !modalTruth(formulas, formula, model)[static_cast<std::size_t>(formula)][0];
}

// The first model with one world merged or dropped that is still a countermodel, or nothing.
std::optional<KripkeModel> oneWorldFewer(const ModalFormulas& formulas, int formula, const KripkeModel& model,
                                         ModalSystem system) {
    for (std::size_t gone = model.worldCount - 1; gone > 0; --gone) {
        for (std::size_t into = 0; into <= gone; ++into) {
            for (const bool keepGone : {false, true}) {
                KripkeModel smaller =
                    generatedSubmodel(closedUnder(merged(model, gone, into, keepGone), system));
                if (failsAtZero(formulas, formula, smaller)) {
                    return smaller;
                }
            }
        }
    }
    return std::nullopt;
}

} // namespace

KripkeModel closedUnder(KripkeModel model, ModalSystem system) {
    const std::vector<FrameCondition> conditions = frameConditions(system);
    const auto asks = [&](FrameCondition condition) {
        return std::find(conditions.begin(), conditions.end(), condition) != conditions.end();
    };
    const std::size_t n = model.worldCount;
    Relation sees = relationOf(model);
    for (std::size_t world = 0; world < n; ++world) {
        const bool seesNone =
            std::none_of(sees[world].begin(), sees[world].end(), [](char arrow) { return arrow; });
        sees[world][world] |= asks(FrameCondition::Reflexive) || (asks(FrameCondition::Serial) && seesNone);
    }
    for (bool grown = true; grown;) {
        grown = false;
        for (std::size_t i = 0; i < n; ++i) {
            for (std::size_t j = 0; j < n; ++j) {
                for (std::size_t k = 0; k < n && sees[i][j]; ++k) {
                    const bool back = asks(FrameCondition::Symmetric) && !sees[j][i];
                    const bool through = asks(FrameCondition::Transitive) && sees[j][k] && !sees[i][k];
                    grown |= back || through;
                    sees[j][i] |= back;
                    sees[i][k] |= through;
                }
            }
        }
    }
    model.arrows.clear();
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j < n; ++j) {
            if (sees[i][j]) {
                model.arrows.emplace_back(i, j);
            }
        }
    }
    return model;
}

std::vector<std::vector<char>> modalTruth(const ModalFormulas& formulas, int formula,
                                          const KripkeModel& model) {
    const Relation sees = relationOf(model);
    std::vector<std::vector<char>> truth(formulas.size());
    for (const int part : subformulas(formulas, formula)) {
        const ModalTerm& term = formulas[part];
        std::vector<char>& row = truth[static_cast<std::size_t>(part)];
        row.assign(model.worldCount, 0);
        for (std::size_t world = 0; world < model.worldCount; ++world) {
            const auto value = [&](int operand, std::size_t at) {
                return truth[static_cast<std::size_t>(operand)][at];
            };
            switch (term.node) {
            case ModalNode::Atom:
                row[world] = model.valuation.at(world).find(term.symbol) != std::string::npos;
                break;
            case ModalNode::Falsum:
                break;
            case ModalNode::Negation:
                row[world] = !value(term.left, world);
                break;
            case ModalNode::Binary:
                row[world] = combined(term.symbol, value(term.left, world), value(term.right, world));
                break;
            case ModalNode::Necessity:
            case ModalNode::Possibility: {
                const bool necessity = term.node == ModalNode::Necessity;
                bool holds = necessity;
                for (std::size_t seen = 0; seen < model.worldCount; ++seen) {
                    if (sees[world][seen]) {
                        holds = necessity ? holds && value(term.left, seen) : holds || value(term.left, seen);
                    }
                }
                row[world] = holds;
                break;
            }
            }
        }
    }
    return truth;
}

KripkeModel smallestCountermodel(const ModalFormulas& formulas, int formula, KripkeModel model,
                                 ModalSystem system) {
    model.failingWorld = 0;
    model = generatedSubmodel(closedUnder(std::move(model), system));
    while (std::optional<KripkeModel> smaller = oneWorldFewer(formulas, formula, model, system)) {
        model = std::move(*smaller);
    }
    return model;
}

} // namespace zudaviror
