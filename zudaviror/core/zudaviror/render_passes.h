#pragma once

#include "zudaviror/trans_state.h"

// The last passes: the typed letters come back and the atom markers become predicates.
namespace zudaviror {

// Puts back the letters that repeated leaves stood in for as digits, and drops the
// parentheses that wrapTopLevel put around the formula.
void restoreLetters(TransState& state);

// Writes each letter marker as its predicate at its world ("Pv") and FALSO as "u~u";
// formula variables keep their marker.
void renderAtoms(TransState& state);

} // namespace zudaviror
