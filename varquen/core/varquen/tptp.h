#pragma once

#include "varquen/first_order.h"

#include <string>

namespace varquen {

// The problem in TPTP, for other provers (UTF-8):
// - the translation as an fof problem: the relativisation axioms (each universe non-empty, every
//   two disjoint, each used function into its result universe) and, as the conjecture, the
//   translation under its free variables' guards;
// - then the original many-sorted formula as a tff problem (one type per universe; a relation
//   once per tuple of its arguments' universes, since the universes are disjoint), written as
//   comment lines so that the file stays one problem: remove the "% " to use it.
std::string tptpProblem(const FirstOrderProblem& problem);

// The two problems on their own.
std::string tptpTranslation(const FirstOrderProblem& problem);
std::string tptpOriginal(const FirstOrderProblem& problem);

} // namespace varquen
