#pragma once

#include "zudaviror/validity_prover.h"

// The prover of the module: the negation of the formula at its free world, with the frame
// conditions, is handed to Z3; unsatisfiable is valid, a model is the countermodel.
namespace zudaviror::prover {

class Z3ValidityProver : public ValidityProver {
  public:
    ValidityAnswer decide(const WorldFormula& formula, ModalSystem system,
                          std::chrono::milliseconds timeLimit) override;
};

} // namespace zudaviror::prover
