#pragma once

#include "zudaviror/tableau.h"
#include "zudaviror/trans.h"
#include "zudaviror/validity_prover.h"

#include <chrono>
#include <stop_token>
#include <string_view>

// "¿Es válida?": the modal formula translated by TRANS, and its validity decided by a tableau.
namespace zudaviror {

struct ValidityOutcome {
    TransOutcome translation; // refused (its message) when the formula cannot be asked about
    ValidityAnswer answer;
    Tableau tableau; // closed when valid; with the open branch the countermodel was read from when not
};

ValidityOutcome askValidity(std::string_view K, ModalSystem system,
                            std::chrono::milliseconds timeLimit = suite::kDefaultProverTimeLimit,
                            std::stop_token stop = {});

// The verdict a tableau gives: valid when closed, not valid with its countermodel when open,
// unknown with the reason when it was given up.
ValidityAnswer tableauAnswer(const Tableau& tableau);

} // namespace zudaviror
