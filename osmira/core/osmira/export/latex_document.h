#pragma once

#include "osmira/model/drawing.h"
#include "osmira/model/ejercicio.h"

#include <string>

namespace osmira {

// The whole derivation as a LaTeX document in Spanish (UTF-8) that compiles with a plain TeX
// installation (the LaTeX base, Latin Modern, babel's Spanish and TikZ): title, author, date
// and description, the statement (hypotheses and conclusion as formulas), then one figure per
// step, drawn in `style`, captioned with its title and the rule that produced it, followed by
// its comment.
std::string latexDocument(const CEjercicio& exercise, FigureStyle style = FigureStyle::Print);

} // namespace osmira
