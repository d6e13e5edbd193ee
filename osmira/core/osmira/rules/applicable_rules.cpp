#include "osmira/rules/applicable_rules.h"

#include "osmira/model/element_list.h"
#include "osmira/rules/form_rules.h"

#include <algorithm>

namespace osmira {

namespace {

bool allowed(std::string_view form, const FormRule& rule) {
    return formRuleRefusal(form, rule).empty();
}

// Every place that accepts a copy lies in the graph's area: either another graph of that area,
// or inside a cut of that area, and then that cut accepts it too. So the other graphs of its
// area are the only places to try, and the first of them decides.
bool hasIterationPlace(const COsmiraDoc& step, std::string_view form, const CElemento& graph) {
    const CElemento* area = parentOf(step, graph);
    if (area == nullptr) {
        return false;
    }
    const auto& places = area->GetChildren();
    const auto source = static_cast<std::size_t>(step.indexOf(&graph));
    return std::any_of(places.begin(), places.end(), [&](const CElemento* place) {
        const auto at = static_cast<std::size_t>(step.indexOf(place));
        return place != &graph && allowed(form, {Rule::Iteration, at, source, {}, {}});
    });
}

} // namespace

std::vector<Rule> applicableRules(const CEjercicio& exercise, const CElemento& element) {
    const COsmiraDoc* step = exercise.lastStep();
    if (step == nullptr || step->GetAppliedRule() != Rule::None || step->indexOf(&element) < 0) {
        return {};
    }
    const std::string& form = exercise.GetWorking();
    const auto at = static_cast<std::size_t>(step->indexOf(&element));
    std::vector<Rule> rules;
    for (Rule rule : {Rule::Erasure, Rule::Insertion}) {
        if (allowed(form, {rule, at, {}, {}, {}})) {
            rules.push_back(rule);
        }
    }
    if (hasIterationPlace(*step, form, element)) {
        rules.push_back(Rule::Iteration);
    }
    if (allowed(form, {Rule::Deiteration, at, {}, {}, {}})) {
        rules.push_back(Rule::Deiteration);
    }
    rules.push_back(Rule::DoubleCut);
    return rules;
}

} // namespace osmira
