#include "osmira/formula/formula_entry.h"

#include "osmira/formula/formula_alphabet.h"
#include "osmira/formula/formula_conversion.h"
#include "osmira/formula/formula_syntax.h"
#include "osmira/texts/messages.h"

namespace osmira {

namespace {

std::optional<std::string> refusalUpTo(std::string_view formula, std::size_t longest) {
    if (formula.empty()) {
        return messages::kEmptyFormula;
    }
    if (formula.size() > longest) {
        return messages::kFormulaTooLong;
    }
    if (!CheckFormulaSyntax(formula) || endsDangling(formula)) {
        return messages::kFormulaSyntax;
    }
    if (!conversionFits(formula)) {
        return messages::kFormulaTooDeep;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> formulaEntryRefusal(std::string_view formula) {
    return refusalUpTo(formula, kLongestFormula);
}

std::optional<std::string> insertionRefusal(std::string_view formula) {
    std::optional<std::string> refusal = formulaEntryRefusal(formula);
    if (refusal == messages::kFormulaSyntax) {
        return messages::kInsertionSyntax;
    }
    return refusal;
}

bool checkFormulaEntry(std::string_view formula) {
    return !formulaEntryRefusal(formula);
}

bool checkHypothesesFormula(std::string_view formula) {
    return !refusalUpTo(formula, kLongestHypothesesFormula);
}

std::string buildHypothesesFormula(const std::vector<std::string>& slots) {
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

std::optional<std::string> checkExerciseFormulas(const std::vector<std::string>& hypothesisSlots,
                                                 std::string_view conclusion) {
    for (const std::string& hypothesis : hypothesisSlots) {
        if (!hypothesis.empty()) {
            if (auto refusal = formulaEntryRefusal(hypothesis)) {
                return refusal;
            }
        }
    }
    if (!conclusion.empty()) {
        if (auto refusal = formulaEntryRefusal(conclusion)) {
            return refusal;
        }
    }
    std::string hypotheses = buildHypothesesFormula(hypothesisSlots);
    if (hypotheses.empty()) {
        return std::string(messages::kNoHypothesis);
    }
    // Each hypothesis fits alone; joined, they nest one group deeper.
    if (!conversionFits(hypotheses)) {
        return std::string(messages::kFormulaTooDeep);
    }
    return std::nullopt;
}

} // namespace osmira
