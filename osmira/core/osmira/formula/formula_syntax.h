#pragma once

#include <string>
#include <string_view>

namespace osmira {

// The left-to-right check every formula entry runs: tokens in a permitted order and
// parentheses balanced (at most 50 open at once). It does not look at the last token.
bool CheckFormulaSyntax(std::string_view formula);

// Whether a formula ends in a connective or in a negation, whose dangling part the
// conversion would drop.
bool endsDangling(std::string_view formula);

std::string removeBlanks(std::string_view text);

} // namespace osmira
