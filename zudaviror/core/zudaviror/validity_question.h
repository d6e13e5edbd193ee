#pragma once

#include "zudaviror/kripke_model.h"
#include "zudaviror/tableau.h"
#include "zudaviror/trans.h"

#include "suite/validity_verdict.h"

#include <chrono>
#include <optional>
#include <stop_token>
#include <string_view>

// "¿Es válida?": the modal formula translated by TRANS, and its validity decided by a tableau.
namespace zudaviror {

struct ValidityAnswer {
    suite::ValidityVerdict verdict;
    std::optional<KripkeModel> countermodel; // with a verdict of not valid
};

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
