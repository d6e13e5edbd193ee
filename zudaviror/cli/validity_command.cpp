#include "validity_command.h"

#include "run.h"

#include "suite/exit_status.h"
#include "suite/json_text.h"
#include "zudaviror/countermodel_evaluation.h"
#include "zudaviror/tableau_text.h"
#include "zudaviror/tptp_problem.h"
#include "zudaviror/validity_question.h"

#include <ostream>

namespace zudaviror::cli {

int answerValidity(const CliOptions& options, const std::string& formula, std::ostream& out) {
    const ValidityOutcome outcome = askValidity(formula, options.chosenSystem());
    const ValidityAnswer& answer = outcome.answer;
    // A countermodel comes with the truth value of every subformula at each of its worlds.
    std::vector<SubformulaValues> evaluation;
    if (answer.countermodel) {
        evaluation = evaluateCountermodel(formula, *answer.countermodel);
    }
    if (options.json) {
        const std::string system = "\"system\":" + suite::jsonString(systemName(options.chosenSystem()));
        const std::string countermodel =
            answer.countermodel
                ? countermodelJson(*answer.countermodel, "\"evaluation\":" + evaluationJson(evaluation))
                : "";
        out << suite::verdictJson(answer.verdict, system, countermodel) << '\n';
    } else {
        out << suite::verdictLine(answer.verdict) << '\n';
        if (answer.countermodel) {
            out << countermodelText(*answer.countermodel) << evaluationText(evaluation);
        }
        if (options.proof && !outcome.tableau.nodes.empty()) {
            out << "tablero:\n" << tableauText(outcome.tableau);
        }
    }
    return suite::validityExitStatus(answer.verdict.validity);
}

int writeTptpProblem(const CliOptions& options, const std::string& formula, std::ostream& out,
                     std::ostream& err) {
    const TransOutcome translation = TRANS(formula);
    const WorldFormulaRead read =
        translation.translated() ? readWorldFormula(translation.result) : WorldFormulaRead{};
    if (!read.value) {
        err << "zudaviror-cli: la traducción no se puede escribir como problema TPTP\n";
        return suite::exitCode(suite::ExitStatus::BadInput);
    }
    out << tptpProblem(formula, *read.value, options.chosenSystem());
    return kExitTranslated;
}

} // namespace zudaviror::cli
