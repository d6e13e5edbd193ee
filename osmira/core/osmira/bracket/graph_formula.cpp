#include "osmira/bracket/graph_formula.h"

#include "osmira/bracket/bracket_form.h"
#include "osmira/formula/formula_alphabet.h"

namespace osmira {

std::vector<std::string_view> graphsOf(std::string_view area) {
    std::vector<std::string_view> graphs;
    for (std::size_t at = 0; at < area.size();) {
        std::size_t length = Span(area, at);
        graphs.push_back(area.substr(at, length));
        at += length;
    }
    return graphs;
}

std::string_view interior(std::string_view cut) {
    return cut.substr(1, cut.size() - 2);
}

namespace {

// A term stands alone as an operand: a letter, or a formula in parentheses.
std::string operand(const std::string& formula) {
    return formula.size() == 1 ? formula : "(" + formula + ")";
}

bool isFilledCut(std::string_view graph) {
    return graph.front() == '[' && graph.size() > 2;
}

// One graph: a letter as itself; a cut around two filled cuts as ∨, a cut ending in a filled
// cut after other graphs as →, any other cut as ¬. The two connectives give what ¬ and ∧ would
// with half the groups, so that what a formula gave fits the conversion's stacks again.
std::optional<std::string> termFor(std::string_view graph) {
    if (graph.front() != '[') {
        return std::string(graph);
    }
    const std::vector<std::string_view> inside = graphsOf(interior(graph));
    if (inside.size() == 2 && isFilledCut(inside[0]) && isFilledCut(inside[1])) {
        std::optional<std::string> left = formulaFor(interior(inside[0]));
        std::optional<std::string> right = formulaFor(interior(inside[1]));
        if (!left || !right) {
            return std::nullopt;
        }
        return operand(*left) + kDisjunction + operand(*right);
    }
    if (inside.size() >= 2 && isFilledCut(inside.back())) {
        const std::string_view body = interior(graph);
        std::optional<std::string> left = formulaFor(body.substr(0, body.size() - inside.back().size()));
        std::optional<std::string> right = formulaFor(interior(inside.back()));
        if (!left || !right) {
            return std::nullopt;
        }
        return operand(*left) + kImplication + operand(*right);
    }
    std::optional<std::string> negated = formulaFor(interior(graph));
    if (!negated) {
        return std::nullopt;
    }
    // A letter or another negation follows the sign directly; a connective's terms are grouped.
    const bool bare = negated->size() == 1 || negated->front() == kNegation;
    return kNegation + (inside.size() == 1 && bare ? *negated : "(" + *negated + ")");
}

} // namespace

std::optional<std::string> formulaFor(std::string_view graphs) {
    const std::vector<std::string_view> parts = graphsOf(graphs);
    if (parts.empty()) {
        return std::nullopt;
    }
    std::string formula;
    for (std::string_view part : parts) {
        std::optional<std::string> term = termFor(part);
        if (!term) {
            return std::nullopt;
        }
        if (!formula.empty()) {
            formula += kConjunction;
        }
        formula += parts.size() > 1 ? operand(*term) : *term;
    }
    return formula;
}

} // namespace osmira
