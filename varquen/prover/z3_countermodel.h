#pragma once

#include "z3_problem.h"

#include "varquen/validity.h"

namespace varquen::prover {

// The many-sorted structure a Z3 model of the negated question describes: the individuals of
// each universe (those of no universe are not part of it), and on them the used functions and
// relations and the free variables.
Countermodel readCountermodel(const z3::model& model, const Z3Signature& z3Signature,
                              const FirstOrderProblem& problem);

} // namespace varquen::prover
