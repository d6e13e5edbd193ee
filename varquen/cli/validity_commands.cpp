#include "validity_commands.h"

#include "stream_notifier.h"

#include "varquen/countermodel_text.h"
#include "varquen/tptp.h"
#include "varquen/translation_reader.h"
#include "varquen/validity_question.h"

#include "suite/exit_status.h"
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
        return suite::exitCode(suite::ExitStatus::BadInput);
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
                               : suite::exitCode(suite::ExitStatus::OutputFailed);
}

int writeTptp(const FormulaFile& file, std::ostream& out, std::ostream& err) {
    const std::optional<FirstOrderProblem> problem = problemOf(file, err);
    if (!problem) {
        return suite::exitCode(suite::ExitStatus::BadInput);
    }
    out << tptpProblem(*problem);
    return delivered(out, err) ? suite::exitCode(suite::ExitStatus::Done)
                               : suite::exitCode(suite::ExitStatus::OutputFailed);
}

} // namespace varquen::cli
