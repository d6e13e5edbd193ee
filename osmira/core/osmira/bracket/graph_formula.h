#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace osmira {

// The graphs juxtaposed in an area's text, each whole.
std::vector<std::string_view> graphsOf(std::string_view area);

// A cut's text without its own brackets.
std::string_view interior(std::string_view cut);

// A formula whose conversion gives exactly these graphs, in their order: juxtaposition as ∧, a
// cut as ¬, written with as few parentheses as the conversion needs so that it fits its
// stacks. An empty cut has none, nor has the empty juxtaposition.
std::optional<std::string> formulaFor(std::string_view graphs);

} // namespace osmira
