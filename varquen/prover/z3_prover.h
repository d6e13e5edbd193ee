#pragma once

#include "varquen/validity.h"

namespace varquen::prover {

// Asks Z3 whether the axioms of the relativisation and the free variables' guards entail the
// translation: valid, not valid with the countermodel Z3 found, or unknown within the limit or
// soon after a stop request.
ValidityAnswer decideValidity(const FirstOrderProblem& problem, std::chrono::milliseconds timeLimit,
                              std::stop_token stop);

} // namespace varquen::prover
