#include "osmira/bracket_form.h"

#include <algorithm>
#include <vector>

namespace osmira {

bool IsBracketForm(std::string_view text) {
    long depth = 0;
    for (char c : text) {
        if (c == '[') {
            ++depth;
        } else if (c == ']') {
            --depth;
        } else if (c < 'A' || c > 'Z') {
            return false;
        }
        if (depth < 0) {
            return false;
        }
    }
    return depth == 0;
}

std::size_t MatchingClose(std::string_view text, std::size_t open) {
    long depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        if (text[i] == '[') {
            ++depth;
        } else if (text[i] == ']' && --depth == 0) {
            return i;
        }
    }
    return std::string_view::npos;
}

std::size_t Span(std::string_view text, std::size_t at) {
    if (at >= text.size()) {
        return 0;
    }
    if (text[at] != '[') {
        return 1;
    }
    std::size_t close = MatchingClose(text, at);
    return close == std::string_view::npos ? text.size() - at : close - at + 1;
}

std::size_t CountLetters(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return c != '[' && c != ']'; }));
}

int MaxNesting(std::string_view text) {
    int depth = 0;
    int deepest = 0;
    for (char c : text) {
        if (c == '[') {
            deepest = std::max(deepest, ++depth);
        } else if (c == ']') {
            --depth;
        }
    }
    return deepest;
}

namespace {

std::string SortedJoin(std::vector<std::string>& graphs) {
    std::sort(graphs.begin(), graphs.end());
    std::string joined;
    for (const std::string& graph : graphs) {
        joined += graph;
    }
    return joined;
}

} // namespace

std::string CanonicalJuxtaposition(std::string_view bracket) {
    // One list of finished graphs per open area; iterative, as diagrams may nest deeply.
    std::vector<std::vector<std::string>> areas(1);
    auto closeArea = [&areas] {
        std::string inner = SortedJoin(areas.back());
        areas.pop_back();
        areas.back().push_back("[" + inner + "]");
    };
    for (char c : bracket) {
        if (c == '[') {
            areas.emplace_back();
        } else if (c == ']' && areas.size() > 1) {
            closeArea();
        } else if (c != ']') {
            areas.back().emplace_back(1, c);
        }
    }
    while (areas.size() > 1) {
        closeArea();
    }
    return SortedJoin(areas.front());
}

} // namespace osmira
