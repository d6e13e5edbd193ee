#include "osmira/rules/transformation_rules.h"

#include "osmira/bracket/bracket_form.h"
#include "osmira/formula/formula_entry.h"
#include "osmira/formula/formula_syntax.h"
#include "osmira/rules/form_rules.h"
#include "osmira/texts/messages.h"

#include <string>

namespace osmira {

std::optional<TextPosition> Locate(const COsmiraDoc& diagram, std::string_view bracket,
                                   const CElemento& element) {
    long index = -1;
    bool found = false;
    for (const auto& candidate : diagram.GetElements()) {
        if (candidate.get() == &element) {
            ++index;
            found = true;
            break;
        }
        if (candidate->kind() != ElementKind::Sheet) {
            ++index;
        }
    }
    if (!found) {
        return std::nullopt;
    }
    std::size_t p = 0;
    for (; index >= 0; ++p) {
        if (p >= bracket.size()) {
            return std::nullopt;
        }
        if (bracket[p] != ']') {
            --index;
        }
    }
    return TextPosition{p - 1, p};
}

namespace {

class RuleApplication {
  public:
    RuleApplication(CEjercicio& exercise, COsmiraDoc& diagram, std::string& working)
        : exercise_(exercise), diagram_(diagram), working_(working), before_(working),
          workbench_(exercise.workbench()) {}

    // The rule on the element at `element` of the step's list (R3: the place, `source` the
    // graph copied), its questions asked once its condition holds.
    RuleOutcome apply(Rule pending, CElemento& marked, FormRule rule) {
        rule.rule = pending;
        if (std::string refusal = formRuleRefusal(working_, rule); !refusal.empty()) {
            return Refuse(refusal);
        }
        if (pending == Rule::Insertion) {
            std::optional<std::string> answer = workbench_.askFormulaToInsert();
            if (!answer) {
                return RuleOutcome::Cancelled;
            }
            std::string formula = removeBlanks(*answer);
            // The dialog only lets checked formulas through; anything else counts as closed.
            if (!checkFormulaEntry(formula)) {
                return RuleOutcome::Cancelled;
            }
            rule.graph = exercise_.ConvertFormula(formula);
        }
        if (pending == Rule::DoubleCut && asksDoubleCutPosition(working_, rule.element)) {
            rule.position = workbench_.askDoubleCutPosition();
        }
        FormRuleResult result = applyFormRule(working_, rule);
        switch (result.outcome) {
        case FormOutcome::Applied:
            working_ = std::move(result.form);
            return Commit(pending, marked);
        case FormOutcome::Refused:
            return Refuse(result.refusal);
        default:
            return RuleOutcome::NotApplied;
        }
    }

  private:
    RuleOutcome Commit(Rule rule, CElemento& marked) {
        // A step the exercise cannot hold could be saved but never read back.
        if (!exercise_.canHoldAnotherStep(elementCount(working_))) {
            working_ = before_;
            return Refuse(messages::kExerciseFull);
        }
        marked.GetGraphic()->Mark();
        workbench_.repaintView(diagram_);
        diagram_.SetAppliedRule(rule);
        COsmiraDoc& next = exercise_.AppendStep();
        exercise_.BuildDiagram(next);
        workbench_.repaintView(next);
        workbench_.addNavigatorStep(next, rule);
        if (rule == Rule::Erasure) {
            next.SetBracketCopy(working_);
        }
        return RuleOutcome::Committed;
    }

    RuleOutcome Refuse(const std::string& message) {
        workbench_.showRefusal(message);
        diagram_.SetPendingRule(Rule::None);
        return RuleOutcome::Refused;
    }

    CEjercicio& exercise_;
    COsmiraDoc& diagram_;
    std::string& working_;
    const std::string before_; // W as it was, restored when the new step cannot be held
    WorkbenchOperations& workbench_;
};

bool belongsTo(const COsmiraDoc& diagram, const CElemento* element) {
    return element && diagram.indexOf(element) >= 0;
}

} // namespace

RuleOutcome CEjercicio::ApplyRule() {
    COsmiraDoc* diagram = lastStep();
    if (!diagram || diagram->GetAppliedRule() != Rule::None ||
        !belongsTo(*diagram, diagram->GetSelectedElement())) {
        return RuleOutcome::NotApplied;
    }
    CElemento& selected = *diagram->GetSelectedElement();
    const Rule pending = diagram->GetPendingRule();
    FormRule rule;
    rule.element = static_cast<std::size_t>(diagram->indexOf(&selected));
    RuleApplication application(*this, *diagram, working_);
    switch (pending) {
    case Rule::Iteration: {
        CElemento* source = diagram->GetIterationSource();
        if (!belongsTo(*diagram, source)) {
            return RuleOutcome::NotApplied;
        }
        rule.source = static_cast<std::size_t>(diagram->indexOf(source));
        return application.apply(pending, *source, rule);
    }
    case Rule::Erasure:
    case Rule::Insertion:
    case Rule::Deiteration:
    case Rule::DoubleCut:
        return application.apply(pending, selected, rule);
    default:
        return RuleOutcome::NotApplied;
    }
}

} // namespace osmira
