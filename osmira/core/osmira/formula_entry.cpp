#include "osmira/formula_entry.h"

#include "osmira/formula_alphabet.h"
#include "osmira/formula_conversion.h"
#include "osmira/formula_syntax.h"
#include "osmira/messages.h"

namespace osmira {

namespace {

std::optional<std::string> RefusalUpTo(std::string_view formula, std::size_t longest) {
    if (formula.empty()) {
        return messages::kEmptyFormula;
    }
    if (formula.size() > longest) {
        return messages::kFormulaTooLong;
    }
    if (!CheckFormulaSyntax(formula) || EndsDangling(formula)) {
        return messages::kFormulaSyntax;
    }
    if (!ConversionFits(formula)) {
        return messages::kFormulaTooDeep;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> FormulaEntryRefusal(std::string_view formula) {
    return RefusalUpTo(formula, kLongestFormula);
}

std::optional<std::string> InsertionRefusal(std::string_view formula) {
    std::optional<std::string> refusal = FormulaEntryRefusal(formula);
    if (refusal == messages::kFormulaSyntax) {
        return messages::kInsertionSyntax;
    }
    return refusal;
}

bool CheckFormulaEntry(std::string_view formula) {
    return !FormulaEntryRefusal(formula);
}

bool CheckHypothesesFormula(std::string_view formula) {
    return !RefusalUpTo(formula, kLongestHypothesesFormula);
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
    for (const std::string& hypothesis : hypothesisSlots) {
        if (!hypothesis.empty()) {
            if (auto refusal = FormulaEntryRefusal(hypothesis)) {
                return refusal;
            }
        }
    }
    if (!conclusion.empty()) {
        if (auto refusal = FormulaEntryRefusal(conclusion)) {
            return refusal;
        }
    }
    std::string hypotheses = BuildHypothesesFormula(hypothesisSlots);
    if (hypotheses.empty()) {
        return std::string(messages::kNoHypothesis);
    }
    // Each hypothesis fits alone; joined, they nest one group deeper.
    if (!ConversionFits(hypotheses)) {
        return std::string(messages::kFormulaTooDeep);
    }
    return std::nullopt;
}

} // namespace osmira
