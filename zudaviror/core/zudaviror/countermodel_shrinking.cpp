#include "zudaviror/countermodel_shrinking.h"

#include "zudaviror/countermodel_evaluation.h"

#include <algorithm>
#include <optional>

namespace zudaviror {

namespace {

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
    std::vector<std::vector<char>> sees = accessibilityMatrix(model);
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
