#include "osmira/bracket/graph_truth.h"

#include <vector>

namespace osmira {

Valuation Valuation::with(char letter, bool truth) const {
    const std::uint32_t bit = 1U << (letter - 'A');
    return {known | bit, truth ? (value | bit) : (value & ~bit)};
}

std::uint32_t lettersOf(std::string_view bracket) {
    std::uint32_t letters = 0;
    for (char c : bracket) {
        if (c >= 'A' && c <= 'Z') {
            letters |= 1U << (c - 'A');
        }
    }
    return letters;
}

namespace {

// What is known of a juxtaposition so far: a graph in it is false, or one is open.
struct AreaTruth {
    bool someFalse = false;
    bool someOpen = false;

    void add(std::optional<bool> truth) {
        someFalse = someFalse || truth == false;
        someOpen = someOpen || !truth;
    }
    std::optional<bool> value() const {
        return someFalse ? std::optional<bool>(false) : someOpen ? std::nullopt : std::optional<bool>(true);
    }
};

} // namespace

// One pass with a stack of the open areas, so that deep nesting stays linear.
std::optional<bool> truthOf(std::string_view bracket, const Valuation& valuation) {
    std::vector<AreaTruth> areas(1);
    for (char c : bracket) {
        if (c == '[') {
            areas.emplace_back();
        } else if (c == ']') {
            const std::optional<bool> inside = areas.back().value();
            areas.pop_back();
            areas.back().add(inside ? std::optional<bool>(!*inside) : std::nullopt);
        } else {
            areas.back().add(valuation.has(c) ? std::optional<bool>(valuation.of(c)) : std::nullopt);
        }
    }
    return areas.front().value();
}

} // namespace osmira
