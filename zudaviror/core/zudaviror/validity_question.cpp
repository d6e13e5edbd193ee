#include "zudaviror/validity_question.h"

namespace zudaviror {

ValidityOutcome askValidity(std::string_view K, ModalSystem system, std::chrono::milliseconds timeLimit) {
    ValidityOutcome outcome{TRANS(K), {}};
    if (!outcome.translation.translated()) {
        return outcome;
    }
    const WorldFormulaRead read = readWorldFormula(outcome.translation.result);
    if (!read.value) {
        outcome.answer.verdict.reason = "la traducción no se puede leer: " + read.reason;
        return outcome;
    }
    const ProverLoad load = loadValidityProver();
    if (load.prover == nullptr) {
        outcome.answer.verdict.reason = load.reason;
        return outcome;
    }
    outcome.answer = load.prover->decide(*read.value, system, timeLimit);
    return outcome;
}

} // namespace zudaviror
