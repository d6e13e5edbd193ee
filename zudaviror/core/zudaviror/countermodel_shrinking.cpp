#include "zudaviror/countermodel_shrinking.h"

#include "zudaviror/countermodel_evaluation.h"

#include <algorithm>
#include <chrono>

namespace zudaviror {

namespace {

// The model with world `gone` merged into world `into` (its arrows moved there; the merged world
// keeps the letters of `into`, or of `gone` when keepGone) and the worlds renumbered; gone == into
// drops the world with its arrows instead. Arrows may repeat: closedUnder reads them into a table.
KripkeModel merged(const KripkeModel& model, std::size_t gone, std::size_t into, bool keepGone) {
    const std::size_t target = into - (into > gone ? 1 : 0);
    const auto renamed = [&](std::size_t world) {
        return world == gone ? target : world - (world > gone ? 1 : 0);
    };
    KripkeModel result;
    result.worldCount = model.worldCount - 1;
    for (std::size_t world = 0; world < model.worldCount; ++world) {
        if (world != gone) {
            result.valuation.push_back(model.valuation.at(world == into && keepGone ? gone : world));
        }
    }
    for (const auto& [from, to] : model.arrows) {
        if (gone != into || (from != gone && to != gone)) {
            result.arrows.emplace_back(renamed(from), renamed(to));
        }
    }
    return result;
}

bool failsAtZero(const ModalFormulas& formulas, int formula, const KripkeModel& model) {
    return model.worldCount > 0 &&
           !modalTruth(formulas, formula, model)[static_cast<std::size_t>(formula)][0];
}

// One pass over the worlds, last first: each is dropped, or merged into an earlier one, as soon as
// the formula stays false at world 0; given up at the deadline with what it has.
bool shrinkOnce(const ModalFormulas& formulas, int formula, KripkeModel& model, ModalSystem system,
                std::chrono::steady_clock::time_point deadline) {
    bool shrunk = false;
    for (std::size_t gone = model.worldCount - 1; gone > 0 && gone < model.worldCount; --gone) {
        for (std::size_t into = gone + 1; into-- > 0;) {
            if (std::chrono::steady_clock::now() >= deadline) {
                return false;
            }
            for (const bool keepGone : {false, true}) {
                if (keepGone && gone == into) {
                    break; // a dropped world keeps no letters
                }
                KripkeModel smaller =
                    generatedSubmodel(closedUnder(merged(model, gone, into, keepGone), system));
                if (failsAtZero(formulas, formula, smaller)) {
                    model = std::move(smaller);
                    shrunk = true;
                    break;
                }
            }
            if (shrunk && gone >= model.worldCount) {
                break;
            }
        }
    }
    return shrunk;
}

} // namespace

KripkeModel closedUnder(KripkeModel model, ModalSystem system) {
    const std::vector<FrameCondition> conditions = frameConditions(system);
    const auto asks = [&](FrameCondition condition) {
        return std::find(conditions.begin(), conditions.end(), condition) != conditions.end();
    };
    const bool reflexive = asks(FrameCondition::Reflexive);
    const bool serial = asks(FrameCondition::Serial);
    const std::size_t n = model.worldCount;
    std::vector<std::vector<char>> sees = accessibilityMatrix(model);
    for (std::size_t i = 0; i < n; ++i) {
        const bool seesNone = std::none_of(sees[i].begin(), sees[i].end(), [](char arrow) { return arrow; });
        sees[i][i] |= reflexive || (serial && seesNone);
        for (std::size_t j = 0; j < i && asks(FrameCondition::Symmetric); ++j) {
            sees[i][j] = sees[j][i] = sees[i][j] || sees[j][i];
        }
    }
    // Warshall's closure; on a symmetric relation it stays symmetric.
    for (std::size_t k = 0; k < n && asks(FrameCondition::Transitive); ++k) {
        for (std::size_t i = 0; i < n; ++i) {
            for (std::size_t j = 0; j < n && sees[i][k]; ++j) {
                sees[i][j] |= sees[k][j];
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
                                 ModalSystem system, std::chrono::steady_clock::time_point deadline) {
    model.failingWorld = 0;
    model = generatedSubmodel(closedUnder(std::move(model), system));
    while (model.worldCount > 1 && shrinkOnce(formulas, formula, model, system, deadline)) {
    }
    return model;
}

} // namespace zudaviror
