#include "validity_commands.h"

#include "stream_notifier.h"

#include "varquen/countermodel_text.h"
#include "varquen/tptp.h"
#include "varquen/translation_reader.h"
#include "varquen/validity_question.h"

#include "suite/latin1.h"
#include "suite/validity_verdict.h"

#include <ostream>

namespace varquen::cli {

namespace {

// The problem, or nothing after the messages saying why were written.
std::optional<FirstOrderProblem> problemOf(const FormulaFile& file, std::ostream& err) {
    StreamNotifier notifier(err);
    return validityProblem(file.declarations, file.formula, notifier).value;
}

bool delivered(std::ostream& out, std::ostream& err) {
    if (!out.flush()) {
        err << "No puedo escribir en la salida estándar\n";
        return false;
    }
    return true;
}

} // namespace

int answerValidity(const FormulaFile& file, bool json, std::ostream& out, std::ostream& err) {
    const std::optional<FirstOrderProblem> problem = problemOf(file, err);
    if (!problem) {
        return static_cast<int>(suite::ValidityExit::BadInput);
    }
    const ValidityAnswer answer = askProver(*problem);
    if (json) {
        out << suite::verdictJson(answer.verdict, "",
                                  answer.countermodel ? countermodelJson(*answer.countermodel) : "")
            << '\n';
    } else {
        out << suite::utf8FromLatin1(answerText(answer));
    }
    return delivered(out, err) ? suite::validityExitStatus(answer.verdict.validity)
                               : static_cast<int>(suite::ValidityExit::OutputFailed);
}

int writeTptp(const FormulaFile& file, std::ostream& out, std::ostream& err) {
    const std::optional<FirstOrderProblem> problem = problemOf(file, err);
    if (!problem) {
        return 2;
    }
    out << tptpProblem(*problem);
    return delivered(out, err) ? 0 : static_cast<int>(suite::ValidityExit::OutputFailed);
}

} // namespace varquen::cli
