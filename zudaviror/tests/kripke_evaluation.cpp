#include "kripke_evaluation.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace zudaviror::oracle {

namespace {

bool combine(char connective, bool left, bool right) {
    switch (connective) {
    case '+':
        return left && right;
    case ',':
        return left || right;
    case '-':
        return !left || right;
    default:
        return left == right;
    }
}

// Recursive descent over the keypad spelling; at moves past what was read.
class Evaluation {
  public:
    Evaluation(std::string_view K, const KripkeModel& model)
        : K_(K), model_(model), sees_(model.worldCount, std::vector<bool>(model.worldCount, false)) {
        for (const auto& [from, to] : model.arrows) {
            sees_.at(from).at(to) = true;
        }
    }

    bool formula(std::size_t world) {
        const bool left = unit(world);
        if (at_ == K_.size() || K_[at_] == ')') {
            return left;
        }
        const char connective = K_[at_++];
        return combine(connective, left, unit(world));
    }

  private:
    // A unit's value at a world is found once: the modal operators ask for their operand at every
    // world, which without it would take worlds to the power of the nesting.
    bool unit(std::size_t world) {
        const std::pair<std::size_t, std::size_t> key(at_, world);
        if (const auto known = known_.find(key); known != known_.end()) {
            at_ = known->second.second;
            return known->second.first;
        }
        const bool value = unitValue(world);
        known_.emplace(key, std::pair(value, at_));
        return value;
    }

    bool unitValue(std::size_t world) {
        const char code = K_[at_++];
        if (code == '(') {
            const bool value = formula(world);
            ++at_; // ')'
            return value;
        }
        if (code == '#') {
            return !unit(world);
        }
        if (code == '!' || code == '"') {
            return modal(code == '!', world);
        }
        if (code == '*') {
            return false;
        }
        return model_.valuation.at(world).find(code) != std::string::npos;
    }

    // Every accessible world is evaluated from the same place in the text.
    bool modal(bool necessity, std::size_t world) {
        const std::size_t operand = at_;
        bool value = necessity;
        std::size_t end = operand;
        for (std::size_t seen = 0; seen < model_.worldCount; ++seen) {
            at_ = operand;
            const bool there = unit(seen);
            end = at_;
            if (sees_[world][seen]) {
                value = necessity ? value && there : value || there;
            }
        }
        if (model_.worldCount == 0) {
            unit(world);
            end = at_;
        }
        at_ = end;
        return value;
    }

    std::string_view K_;
    const KripkeModel& model_;
    std::vector<std::vector<bool>> sees_;
    std::size_t at_ = 0;
    std::map<std::pair<std::size_t, std::size_t>, std::pair<bool, std::size_t>>
        known_; // (place, world): value, end
};

} // namespace

bool holdsAt(std::string_view K, const KripkeModel& model, std::size_t world) {
    return Evaluation(K, model).formula(world);
}

bool meetsConditions(const KripkeModel& model, ModalSystem system) {
    const std::size_t n = model.worldCount;
    // The relation as a table, read once: a countermodel may have a hundred worlds.
    std::vector<std::vector<bool>> sees(n, std::vector<bool>(n, false));
    for (const auto& [from, to] : model.arrows) {
        sees.at(from).at(to) = true;
    }
    const auto arrow = [&](const KripkeModel&, std::size_t from, std::size_t to) { return sees[from][to]; };
    for (std::size_t x = 0; x < n; ++x) {
        bool serial = false;
        for (std::size_t y = 0; y < n; ++y) {
            serial |= arrow(model, x, y);
            for (std::size_t z = 0; z < n; ++z) {
                const bool transitive = !arrow(model, x, y) || !arrow(model, y, z) || arrow(model, x, z);
                if (!transitive && (system == ModalSystem::S4 || system == ModalSystem::S5)) {
                    return false;
                }
            }
            const bool symmetric = !arrow(model, x, y) || arrow(model, y, x);
            if (!symmetric && (system == ModalSystem::B || system == ModalSystem::S5)) {
                return false;
            }
        }
        if ((!serial && system == ModalSystem::D) ||
            (!arrow(model, x, x) && system != ModalSystem::K && system != ModalSystem::D)) {
            return false;
        }
    }
    return true;
}

} // namespace zudaviror::oracle
