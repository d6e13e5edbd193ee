#include "osmira/graph_truth.h"

#include "osmira/bracket_form.h"

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

std::optional<bool> graphTruth(std::string_view graph, const Valuation& valuation) {
    if (graph.front() != '[') {
        return valuation.has(graph.front()) ? std::optional<bool>(valuation.of(graph.front())) : std::nullopt;
    }
    std::optional<bool> inside = truthOf(graph.substr(1, graph.size() - 2), valuation);
    return inside ? std::optional<bool>(!*inside) : std::nullopt;
}

} // namespace

std::optional<bool> truthOf(std::string_view bracket, const Valuation& valuation) {
    // False as soon as one graph is; open when none is false and one is open.
    bool open = false;
    for (std::size_t at = 0; at < bracket.size();) {
        const std::size_t length = Span(bracket, at);
        std::optional<bool> truth = graphTruth(bracket.substr(at, length), valuation);
        if (truth == false) {
            return false;
        }
        open = open || !truth;
        at += length;
    }
    return open ? std::nullopt : std::optional<bool>(true);
}

} // namespace osmira
