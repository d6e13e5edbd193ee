#include "zudaviror/validity_question.h"

namespace zudaviror {

ValidityAnswer tableauAnswer(const Tableau& tableau) {
    switch (tableau.end) {
    case TableauEnd::Closed:
        return {{suite::Validity::Valid, ""}, std::nullopt};
    case TableauEnd::Open:
        return {{suite::Validity::NotValid, ""}, tableau.countermodel};
    case TableauEnd::TooLarge:
        return {{suite::Validity::Unknown, "el tablero es demasiado grande"}, std::nullopt};
    case TableauEnd::TimeLimit:
        return {{suite::Validity::Unknown, std::string(suite::kTimeLimitReason)}, std::nullopt};
    case TableauEnd::Stopped:
        break;
    }
    return {{suite::Validity::Unknown, std::string(suite::kCancelledReason)}, std::nullopt};
}

ValidityOutcome askValidity(std::string_view K, ModalSystem system, std::chrono::milliseconds timeLimit,
                            std::stop_token stop) {
    ValidityOutcome outcome{TRANS(K), {}, {}};
    if (!outcome.translation.translated()) {
        return outcome;
    }
    outcome.tableau = buildTableau(K, system, std::chrono::steady_clock::now() + timeLimit, std::move(stop));
    outcome.answer = tableauAnswer(outcome.tableau);
    return outcome;
}

} // namespace zudaviror
