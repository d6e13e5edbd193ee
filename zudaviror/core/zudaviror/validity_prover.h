#pragma once

#include "zudaviror/kripke_model.h"
#include "zudaviror/modal_system.h"
#include "zudaviror/world_formula.h"

#include "suite/validity_verdict.h"

#include <chrono>
#include <optional>

// An answer to "¿Es válida?", and the interface of a prover that gives one from the translation:
// the tests hold Z3's answer on the TRANS result to the tableau's.
namespace zudaviror {

struct ValidityAnswer {
    suite::ValidityVerdict verdict;
    std::optional<KripkeModel> countermodel; // with a verdict of not valid
};

class ValidityProver {
  public:
    virtual ~ValidityProver() = default;
    // Whether the formula holds at its free world in every model whose accessibility relation
    // meets the system's conditions, decided within the time limit. Throws nothing.
    virtual ValidityAnswer decide(const WorldFormula& formula, ModalSystem system,
                                  std::chrono::milliseconds timeLimit) = 0;
};

} // namespace zudaviror
