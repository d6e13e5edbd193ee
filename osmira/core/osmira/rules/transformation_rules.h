#pragma once

#include "osmira/model/ejercicio.h"
#include "osmira/model/rule.h"

#include <optional>
#include <string_view>

namespace osmira {

// CEjercicio::ApplyRule (ejercicio.h) applies the step's pending rule through the functions of
// form_rules.h, asking the workbench its questions in between.

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

} // namespace osmira
