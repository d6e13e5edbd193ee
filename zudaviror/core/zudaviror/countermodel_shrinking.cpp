#include "zudaviror/countermodel_shrinking.h"

#include "zudaviror/countermodel_evaluation.h"

#include <algorithm>
#include <chrono>
#include <map>
#include <optional>
#include <set>

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

// The worlds where every part of the formula has the same truth made one (a filtration through
// the formula's parts, with an arrow between two classes where any of their worlds had one). In
// K, D, T and B every part keeps its truth, and the frame its conditions; with τ the closure may
// change a truth, so the result is checked and the model kept as it was when it fails.
KripkeModel filtrated(const ModalFormulas& formulas, int formula, KripkeModel model, ModalSystem system) {
    const std::vector<std::vector<char>> truth = modalTruth(formulas, formula, model);
    std::map<std::vector<char>, std::size_t> classes;
    std::vector<std::size_t> classOf(model.worldCount);
    KripkeModel quotient;
    for (std::size_t world = 0; world < model.worldCount; ++world) {
        std::vector<char> column;
        for (const std::vector<char>& row : truth) {
            if (!row.empty()) {
                column.push_back(row[world]);
            }
        }
        const auto [place, added] = classes.emplace(std::move(column), classes.size());
        classOf[world] = place->second;
        if (added) {
            quotient.valuation.push_back(model.valuation.at(world));
        }
    }
    if (classes.size() == model.worldCount) {
        return model;
    }
    quotient.worldCount = classes.size();
    std::set<std::pair<std::size_t, std::size_t>> arrows;
    for (const auto& [from, to] : model.arrows) {
        arrows.emplace(classOf[from], classOf[to]);
    }
    quotient.arrows.assign(arrows.begin(), arrows.end());
    quotient = generatedSubmodel(closedUnder(std::move(quotient), system));
    return failsAtZero(formulas, formula, quotient) ? quotient : model;
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

// The frames of the system on `worlds` worlds, every world seen from world 0 in some steps.
std::vector<KripkeModel> systemFrames(std::size_t worlds, ModalSystem system) {
    std::vector<KripkeModel> frames;
    const std::size_t pairs = worlds * worlds;
    for (std::size_t arrows = 0; arrows < (std::size_t{1} << pairs); ++arrows) {
        KripkeModel frame;
        frame.worldCount = worlds;
        for (std::size_t pair = 0; pair < pairs; ++pair) {
            if (arrows >> pair & 1) {
                frame.arrows.emplace_back(pair / worlds, pair % worlds);
            }
        }
        const std::size_t arrowCount = frame.arrows.size();
        frame.valuation.assign(worlds, {});
        if (closedUnder(frame, system).arrows.size() == arrowCount &&
            generatedSubmodel(frame).worldCount == worlds) {
            frames.push_back(std::move(frame));
        }
    }
    return frames;
}

// A countermodel of exactly `worlds` worlds, found by trying every frame of the system and every
// valuation of the formula's letters; nothing when there is none. Nothing as well, with timedOut
// set, when the models to try are more than kSearchedModels or the deadline comes.
std::optional<KripkeModel> searchedCountermodel(const ModalFormulas& formulas, int formula,
                                                std::size_t worlds, ModalSystem system,
                                                std::chrono::steady_clock::time_point deadline,
                                                bool& timedOut) {
    std::string letters;
    for (const int part : subformulas(formulas, formula)) {
        if (formulas[part].node == ModalNode::Atom) {
            letters += formulas[part].symbol;
        }
    }
    const std::size_t bits = letters.size() * worlds;
    const std::vector<KripkeModel> frames =
        bits < 32 ? systemFrames(worlds, system) : std::vector<KripkeModel>{};
    if (bits >= 32 || frames.size() * (std::size_t{1} << bits) > kSearchedModels) {
        timedOut = true;
        return std::nullopt;
    }
    for (KripkeModel model : frames) {
        for (std::size_t valuation = 0; valuation < (std::size_t{1} << bits); ++valuation) {
            if (valuation % 256 == 0 && std::chrono::steady_clock::now() >= deadline) {
                timedOut = true;
                return std::nullopt;
            }
            for (std::size_t world = 0; world < worlds; ++world) {
                model.valuation[world].clear();
                for (std::size_t letter = 0; letter < letters.size(); ++letter) {
                    if (valuation >> (world * letters.size() + letter) & 1) {
                        model.valuation[world] += letters[letter];
                    }
                }
            }
            if (failsAtZero(formulas, formula, model)) {
                return model;
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
    // Lists of successors rather than a table: a model read from a large tableau has thousands
    // of worlds and few arrows for each.
    const std::size_t n = model.worldCount;
    std::vector<std::vector<std::size_t>> seen(n);
    for (const auto& [from, to] : model.arrows) {
        seen.at(from).push_back(to);
        if (asks(FrameCondition::Symmetric)) {
            seen.at(to).push_back(from);
        }
    }
    for (std::size_t world = 0; world < n; ++world) {
        if (asks(FrameCondition::Reflexive)) {
            seen[world].push_back(world);
        }
    }
    if (asks(FrameCondition::Transitive)) {
        // Every world sees what it reaches in one step or more; on a symmetric relation that
        // stays symmetric.
        std::vector<std::vector<std::size_t>> reached(n);
        for (std::size_t world = 0; world < n; ++world) {
            std::vector<char> found(n, 0);
            std::vector<std::size_t> pending = seen[world];
            while (!pending.empty()) {
                const std::size_t next = pending.back();
                pending.pop_back();
                if (!found[next]) {
                    found[next] = 1;
                    reached[world].push_back(next);
                    pending.insert(pending.end(), seen[next].begin(), seen[next].end());
                }
            }
        }
        seen = std::move(reached);
    }
    model.arrows.clear();
    for (std::size_t world = 0; world < n; ++world) {
        std::vector<std::size_t>& row = seen[world];
        if (row.empty() && asks(FrameCondition::Serial)) {
            row.push_back(world);
        }
        std::sort(row.begin(), row.end());
        row.erase(std::unique(row.begin(), row.end()), row.end());
        for (const std::size_t to : row) {
            model.arrows.emplace_back(world, to);
        }
    }
    return model;
}

KripkeModel smallestCountermodel(const ModalFormulas& formulas, int formula, KripkeModel model,
                                 ModalSystem system, std::chrono::steady_clock::time_point deadline) {
    model.failingWorld = 0;
    model = filtrated(formulas, formula, generatedSubmodel(closedUnder(std::move(model), system)), system);
    bool timedOut = false;
    const auto searched = [&](std::size_t from, std::size_t to) -> std::optional<KripkeModel> {
        for (std::size_t worlds = from; worlds <= to && worlds < model.worldCount && !timedOut; ++worlds) {
            if (std::optional<KripkeModel> smaller =
                    searchedCountermodel(formulas, formula, worlds, system, deadline, timedOut)) {
                return smaller;
            }
        }
        return std::nullopt;
    };
    // One or two worlds are few models to try, and the usual answer; merging comes after them.
    if (std::optional<KripkeModel> small = searched(1, 2)) {
        return *small;
    }
    while (model.worldCount > 1 && shrinkOnce(formulas, formula, model, system, deadline)) {
    }
    return searched(3, model.worldCount).value_or(model);
}

} // namespace zudaviror
