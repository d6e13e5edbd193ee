#pragma once

#include "osmira/ejercicio.h"
#include "osmira/rule.h"

#include <optional>
#include <string_view>

namespace osmira {

// Where an element's text lies in the bracket form its diagram was built from.
struct TextPosition {
    std::size_t at;    // its '[' or its letter
    std::size_t after; // just behind that character
};

// Locate: counts the element's place among the non-sheet elements and walks the text to the
// matching non-']' character. Nothing when the element is not in the diagram or the text is
// too short for it.
std::optional<TextPosition> Locate(const COsmiraDoc& diagram, std::string_view bracket,
                                   const CElemento& element);

// The rules' own conditions on elements of a diagram, checked before anything is asked or
// changed; ApplyRule refuses with a rule's message exactly when its condition fails. The
// working form limits (kLongestBracketForm, the exercise's size) are not part of them.

// R1: the graph lies in an even-enclosed area (a cut: its interior is odd).
bool erasureAllowed(const CElemento& graph);
// R2: the area that receives the graph is odd-enclosed.
bool insertionAllowed(const CElemento& area);
// R3: `graph` may be copied to `place` (a cut: the start of its interior; a letter: after it).
bool iterationAllowed(const COsmiraDoc& diagram, const CElemento& graph, const CElemento& place);
// R4: the same text stands in an area strictly enclosing the copy's; `bracket` is the form the
// diagram was built from.
bool deiterationAllowed(const COsmiraDoc& diagram, std::string_view bracket, const CElemento& copy);
// R5: whether the double-cut question is asked, on a cut that is not itself a double cut.
bool asksDoubleCutPosition(const CElemento& element);

} // namespace osmira
