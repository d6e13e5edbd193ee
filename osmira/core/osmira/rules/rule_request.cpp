#include "osmira/rules/rule_request.h"

#include "osmira/rules/transformation_rules.h"
#include "osmira/texts/messages.h"

namespace osmira {

RuleOutcome requestRule(CEjercicio& exercise, const RuleRequest& request) {
    COsmiraDoc* last = exercise.lastStep();
    if (!last) {
        return RuleOutcome::NotApplied;
    }
    if (last->GetAppliedRule() != Rule::None) {
        exercise.workbench().showRefusal(messages::kLockedStep);
        return RuleOutcome::Refused;
    }
    const auto& elements = last->GetElements();
    bool needsSource = request.rule == Rule::Iteration;
    if (request.element >= elements.size() ||
        (needsSource && (!request.source || *request.source >= elements.size()))) {
        return RuleOutcome::NotApplied;
    }
    last->SetPendingRule(request.rule);
    last->SetIterationSource(needsSource ? elements[*request.source].get() : nullptr);
    last->SetSelectedElement(elements[request.element].get());
    return exercise.ApplyRule();
}

} // namespace osmira
