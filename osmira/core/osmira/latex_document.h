#pragma once

#include "osmira/ejercicio.h"

#include <string>

namespace osmira {

// The whole derivation as a LaTeX document (UTF-8) that compiles with a plain TeX installation
// (the LaTeX base and TikZ): title, author, date and description, then one figure per step,
// captioned with its title and the rule that produced it, followed by its comment.
std::string latexDocument(const CEjercicio& exercise);

} // namespace osmira
