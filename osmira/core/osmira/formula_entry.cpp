#include "osmira/formula_entry.h"

#include "osmira/formula_alphabet.h"
#include "osmira/formula_conversion.h"
#include "osmira/formula_syntax.h"
#include "osmira/messages.h"

namespace osmira {

namespace {

bool CheckUpTo(std::string_view formula, std::size_t longest) {
    return !formula.empty() && formula.size() <= longest && CheckFormulaSyntax(formula) &&
           !EndsDangling(formula) && ConversionFits(formula);
}

} // namespace

bool CheckFormulaEntry(std::string_view formula) {
    return CheckUpTo(formula, kLongestFormula);
}

bool CheckHypothesesFormula(std::string_view formula) {
    return CheckUpTo(formula, kLongestHypothesesFormula);
}

std::string BuildHypothesesFormula(const std::vector<std::string>& slots) {
    std::string formula;
    for (const std::string& hypothesis : slots) {
        if (hypothesis.empty()) {
            continue;
        }
        if (!formula.empty()) {
            formula += kConjunction;
        }
        formula += "(" + hypothesis + ")";
    }
    return formula;
}

std::optional<std::string> CheckExerciseFormulas(const std::vector<std::string>& hypothesisSlots,
                                                 std::string_view conclusion) {
    for (std::string_view formula : hypothesisSlots) {
        if (formula.size() > kLongestFormula) {
            return std::string(messages::kFormulaTooLong);
        }
    }
    if (conclusion.size() > kLongestFormula) {
        return std::string(messages::kFormulaTooLong);
    }
    for (const std::string& hypothesis : hypothesisSlots) {
        if (!hypothesis.empty() && !CheckFormulaEntry(hypothesis)) {
            return std::string(messages::kFormulaSyntax);
        }
    }
    if (!conclusion.empty() && !CheckFormulaEntry(conclusion)) {
        return std::string(messages::kFormulaSyntax);
    }
    std::string hypotheses = BuildHypothesesFormula(hypothesisSlots);
    if (hypotheses.empty()) {
        return std::string(messages::kNoHypothesis);
    }
    if (!ConversionFits(hypotheses)) {
        return std::string(messages::kFormulaSyntax);
    }
    return std::nullopt;
}

} // namespace osmira
