#include "osmira/check/statement.h"

#include "osmira/bracket/bracket_form.h"
#include "osmira/bracket/graph_formula.h"
#include "osmira/formula/formula_alphabet.h"
#include "suite/latin1.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace osmira {

namespace {

// Past this nesting a formula is no longer read at a glance, and writing it recurses as deep:
// such graphs are shown as they are recorded.
constexpr int kDeepestShownFormula = 200;

// Formula bytes in UTF-8, the connectives as their signs.
std::string inSigns(std::string_view formula) {
    std::string text;
    for (const char c : formula) {
        const auto* connective = std::find_if(kConnectiveSigns.begin(), kConnectiveSigns.end(),
                                              [c](const ConnectiveSign& sign) { return sign.byte == c; });
        text += connective != kConnectiveSigns.end() ? std::string(connective->sign)
                                                     : suite::utf8FromLatin1(std::string(1, c));
    }
    return text;
}

std::string shown(std::string_view graphs) {
    std::optional<std::string> formula =
        maxNesting(graphs) <= kDeepestShownFormula ? formulaFor(graphs) : std::nullopt;
    return formula ? inSigns(*formula) : suite::utf8FromLatin1(std::string(graphs));
}

} // namespace

Statement statementOf(const CEjercicio& exercise) {
    return {exercise.GetHypotheses(), exercise.GetConclusion()};
}

bool sameStatement(const Statement& a, const Statement& b) {
    return canonicalJuxtaposition(a.hypotheses) == canonicalJuxtaposition(b.hypotheses) &&
           canonicalJuxtaposition(a.conclusion) == canonicalJuxtaposition(b.conclusion);
}

std::vector<std::string> hypothesisFormulas(const Statement& statement) {
    std::vector<std::string> formulas;
    for (std::string_view graph : graphsOf(statement.hypotheses)) {
        formulas.push_back(shown(graph));
    }
    return formulas;
}

std::string hypothesesText(const Statement& statement) {
    std::string text;
    for (const std::string& formula : hypothesisFormulas(statement)) {
        text += (text.empty() ? "" : ", ") + formula;
    }
    return text;
}

std::string conclusionFormula(const Statement& statement) {
    return statement.conclusion.empty() ? std::string() : shown(statement.conclusion);
}

std::string statementText(const Statement& statement) {
    const std::string hypotheses = hypothesesText(statement);
    if (statement.conclusion.empty()) {
        return hypotheses.empty() ? "sin hipótesis ni conclusión" : hypotheses + " (sin conclusión)";
    }
    return (hypotheses.empty() ? "" : hypotheses + " ") + "⊢ " + conclusionFormula(statement);
}

} // namespace osmira
