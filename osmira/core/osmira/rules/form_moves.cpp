#include "osmira/rules/form_moves.h"

#include "osmira/bracket/bracket_form.h"
#include "osmira/bracket/graph_formula.h"
#include "osmira/formula/formula_entry.h"

#include <set>

namespace osmira {

namespace {

// The formula the dialog accepts for `graphs` and the derivation check can write again.
std::optional<std::string> insertionFormula(std::string_view graphs) {
    if (graphs.find("[]") != std::string_view::npos) {
        return std::nullopt;
    }
    std::optional<std::string> formula = formulaFor(graphs);
    std::optional<std::string> replayed = formulaFor(canonicalJuxtaposition(graphs));
    if (!formula || !replayed || !checkFormulaEntry(*formula) || !checkFormulaEntry(*replayed)) {
        return std::nullopt;
    }
    return formula;
}

void collectArea(std::string_view area, std::set<std::string>& seen, std::vector<Insertable>& insertables) {
    const std::vector<std::string_view> graphs = graphsOf(area);
    auto add = [&](std::string_view graph) {
        if (!seen.insert(std::string(graph)).second) {
            return;
        }
        if (std::optional<std::string> formula = insertionFormula(graph)) {
            insertables.push_back({std::string(graph), std::move(*formula)});
        }
    };
    if (graphs.size() > 1) {
        add(area);
    }
    for (std::string_view graph : graphs) {
        add(graph);
        if (graph.front() == '[') {
            collectArea(interior(graph), seen, insertables);
        }
    }
}

// Tries one step; kept when the rules accept it.
void tryStep(const std::string& form, SolutionStep step, std::vector<FormMove>& moves) {
    if (std::optional<std::string> after = formAfter(form, step)) {
        moves.push_back({std::move(step), std::move(*after)});
    }
}

} // namespace

std::vector<Insertable> insertablesOf(std::string_view goal) {
    std::set<std::string> seen;
    std::vector<Insertable> insertables;
    collectArea(canonicalJuxtaposition(goal), seen, insertables);
    return insertables;
}

std::vector<FormMove> movesFrom(const std::string& form, const std::vector<Insertable>& insertables) {
    const std::size_t elements = elementCount(form);
    std::vector<FormMove> moves;
    for (std::size_t element = 1; element < elements; ++element) {
        tryStep(form, {Rule::Erasure, element, {}, {}, {}, {}}, moves);
        tryStep(form, {Rule::Deiteration, element, {}, {}, {}, {}}, moves);
        if (!asksDoubleCutPosition(form, element) && form[*elementPosition(form, element)] == '[') {
            tryStep(form, {Rule::DoubleCut, element, {}, {}, {}, {}}, moves);
        }
    }
    for (std::size_t source = 1; source < elements; ++source) {
        for (std::size_t place = 1; place < elements; ++place) {
            tryStep(form, {Rule::Iteration, place, source, {}, {}, {}}, moves);
        }
    }
    for (std::size_t area = 1; area < elements; ++area) {
        if (!formRuleRefusal(form, {Rule::Insertion, area, {}, {}, {}}).empty()) {
            continue;
        }
        for (const Insertable& insertable : insertables) {
            tryStep(form, {Rule::Insertion, area, {}, insertable.formula, {}, {}}, moves);
        }
    }
    tryStep(form, {Rule::DoubleCut, 0, {}, {}, {}, {}}, moves);
    for (std::size_t element = 1; element < elements; ++element) {
        if (form[*elementPosition(form, element)] != '[') {
            tryStep(form, {Rule::DoubleCut, element, {}, {}, {}, {}}, moves);
        } else if (asksDoubleCutPosition(form, element)) {
            tryStep(form, {Rule::DoubleCut, element, {}, {}, DoubleCutPosition::Around, {}}, moves);
            tryStep(form, {Rule::DoubleCut, element, {}, {}, DoubleCutPosition::Inside, {}}, moves);
        }
    }
    return moves;
}

} // namespace osmira
