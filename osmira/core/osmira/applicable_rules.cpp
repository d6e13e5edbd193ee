#include "osmira/applicable_rules.h"

#include "osmira/element_list.h"
#include "osmira/transformation_rules.h"

#include <algorithm>

namespace osmira {

namespace {

// Every place that accepts a copy lies in the graph's area: either another graph of that area,
// or inside a cut of that area, and then that cut accepts it too. So the other graphs of its
// area are the only places to try, and the first of them decides.
bool hasIterationPlace(const COsmiraDoc& step, const CElemento& graph) {
    const CElemento* area = parentOf(step, graph);
    if (area == nullptr) {
        return false;
    }
    const auto& places = area->GetChildren();
    return std::any_of(places.begin(), places.end(), [&](const CElemento* place) {
        return place != &graph && iterationAllowed(step, graph, *place);
    });
}

} // namespace

std::vector<Rule> applicableRules(const CEjercicio& exercise, const CElemento& element) {
    const COsmiraDoc* step = exercise.lastStep();
    if (step == nullptr || step->GetAppliedRule() != Rule::None || step->indexOf(&element) < 0) {
        return {};
    }
    std::vector<Rule> rules;
    if (erasureAllowed(element)) {
        rules.push_back(Rule::Erasure);
    }
    if (insertionAllowed(element)) {
        rules.push_back(Rule::Insertion);
    }
    if (hasIterationPlace(*step, element)) {
        rules.push_back(Rule::Iteration);
    }
    if (deiterationAllowed(*step, exercise.GetWorking(), element)) {
        rules.push_back(Rule::Deiteration);
    }
    rules.push_back(Rule::DoubleCut);
    return rules;
}

} // namespace osmira
