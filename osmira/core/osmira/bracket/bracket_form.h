#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace osmira {

// Text of a diagram over '[', ']' and 'A'..'Z': a cut, its end, a letter; the sheet is
// implicit and juxtaposition is concatenation.

// Whether the text uses only the bracket-form characters with every cut closed.
bool isBracketForm(std::string_view text);

// The longest bracket form an exercise holds: its steps, hypotheses, conclusion and W. Four
// times the longest formula the dialogs can join (a formula gives fewer than four characters a
// byte) still fits, and laid out it keeps every coordinate below 2^26, far inside 32 bits.
// Nesting needs no bound of its own: it is at most half the length.
inline constexpr std::size_t kLongestBracketForm = std::size_t{1} << 20;

bool fitsAnExercise(std::string_view bracket);

// Position of the ']' closing the cut opened at `open`, or npos when it is never closed.
// Counted without a bound, so that deep diagrams never pair the wrong brackets.
std::size_t matchingClose(std::string_view text, std::size_t open);

// Length of the graph starting at `at`: its whole cut, or one letter.
std::size_t Span(std::string_view text, std::size_t at);

std::size_t countLetters(std::string_view text);
int maxNesting(std::string_view text);

// The form with the graphs of every area sorted, so that two diagrams that differ only in
// the order of juxtaposed graphs get the same text.
std::string canonicalJuxtaposition(std::string_view bracket);

// The canonical text, and for each of its elements (0 the sheet, then one per character that
// is not ']') the element of `bracket` it is: how to find a step's element in a form that
// differs from another only in the order of juxtaposed graphs.
struct CanonicalOrder {
    std::string text;
    std::vector<std::size_t> elements;
};
CanonicalOrder canonicalOrder(std::string_view bracket);

} // namespace osmira
