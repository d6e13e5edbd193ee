#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The string operations the translation passes are written in.
namespace zudaviror {

// text with the first occurrence of pattern replaced; text unchanged when pattern is absent.
std::string replaceFirst(std::string_view text, std::string_view pattern, std::string_view replacement);

// True when text has as many opening as closing parentheses.
bool isBalanced(std::string_view text);

// Position of the first binary connective met at parenthesis depth 1 (the depth counted
// before the test), or 0 when there is none.
std::size_t mainConnective(std::string_view text);

// The codes between the opening parenthesis and the connective at k.
std::string_view leftOperand(std::string_view text, std::size_t k);

// The codes after the connective at k, without the closing parenthesis.
std::string_view rightOperand(std::string_view text, std::size_t k);

} // namespace zudaviror
