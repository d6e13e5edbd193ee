#pragma once

#include "varquen/validity.h"

#include <chrono>
#include <stop_token>

namespace varquen {

// "¿Es válida?": two provers side by side within one time limit, the first definitive answer
// taken. E looks for a proof of the typed problem (tptpOriginal) in a process of its own; Z3,
// in its module, for a countermodel, the smallest it finds, or a proof. When E proves the
// formula, Z3 is stopped; when Z3 answers, E is. When E has exhausted its search without a proof
// and Z3 has found no countermodel in time, the formula is not valid without one to show. A
// missing E leaves Z3 alone; a module that cannot be loaded leaves E alone, and the unknown
// verdict names what was missing. A stop request ends both soon, as unknown.
ValidityAnswer askProver(const FirstOrderProblem& problem,
                         std::chrono::milliseconds timeLimit = suite::kDefaultProverTimeLimit,
                         std::stop_token stop = {});

} // namespace varquen
