#pragma once

#include "zudaviror/validity_question.h"
#include "zudaviror/world_formula.h"

#include <chrono>

// The tests' second opinion on the TRANS result: the negation of the formula at its free world,
// with the frame conditions, is handed to Z3; unsatisfiable is valid, a model is the countermodel.
namespace zudaviror::prover {

class Z3ValidityProver {
  public:
    // Whether the formula holds at its free world in every model whose accessibility relation
    // meets the system's conditions, decided within the time limit. Throws nothing.
    ValidityAnswer decide(const WorldFormula& formula, ModalSystem system,
                          std::chrono::milliseconds timeLimit);
};

} // namespace zudaviror::prover
