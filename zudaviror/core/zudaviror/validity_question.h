#pragma once

#include "zudaviror/trans.h"
#include "zudaviror/validity_prover.h"

#include <chrono>
#include <string_view>

// "¿Es válida?": the modal formula translated by TRANS, and that translation put to the prover.
namespace zudaviror {

struct ValidityOutcome {
    TransOutcome translation; // refused (its message) when the formula cannot be asked about
    ValidityAnswer answer;    // unknown, with the reason, when the prover could not be loaded
};

ValidityOutcome askValidity(std::string_view K, ModalSystem system,
                            std::chrono::milliseconds timeLimit = suite::kDefaultProverTimeLimit);

} // namespace zudaviror
