#include "osmira/rules/solution_step.h"

#include "osmira/bracket/bracket_form.h"
#include "osmira/formula/formula_conversion.h"

namespace osmira {

FormRule SolutionStep::formRule() const {
    FormRule rule{this->rule, element, source, {}, position};
    if (this->rule == Rule::Insertion) {
        std::string operand;
        convertFormulaInto(formula, operand, rule.graph);
    }
    return rule;
}

std::optional<std::string> formAfter(std::string_view form, const SolutionStep& step) {
    FormRuleResult result = applyFormRule(form, step.formRule());
    if (result.outcome != FormOutcome::Applied) {
        return std::nullopt;
    }
    return std::move(result.form);
}

namespace {

// Element numbers of `from` as those of `to`, two forms alike up to juxtaposition order.
class ElementMap {
  public:
    ElementMap(std::string_view from, std::string_view to) {
        const CanonicalOrder a = canonicalOrder(from);
        const CanonicalOrder b = canonicalOrder(to);
        valid_ = a.text == b.text;
        map_.resize(a.elements.size());
        for (std::size_t c = 0; valid_ && c < a.elements.size(); ++c) {
            map_[a.elements[c]] = b.elements[c];
        }
    }
    bool valid() const { return valid_; }
    std::size_t operator()(std::size_t element) const { return map_[element]; }

  private:
    bool valid_ = false;
    std::vector<std::size_t> map_;
};

} // namespace

std::optional<std::vector<SolutionStep>> stepsFrom(std::string form, const std::vector<SolutionStep>& steps) {
    std::vector<SolutionStep> made;
    for (const SolutionStep& step : steps) {
        SolutionStep here = step;
        if (step.before != form) {
            const ElementMap map(step.before, form);
            if (!map.valid()) {
                return std::nullopt;
            }
            here.element = map(step.element);
            here.source = step.source ? std::optional(map(*step.source)) : std::nullopt;
        }
        here.before = form;
        std::optional<std::string> after = formAfter(form, here);
        std::optional<std::string> expected = formAfter(step.before, step);
        if (!after || !expected || canonicalJuxtaposition(*after) != canonicalJuxtaposition(*expected)) {
            return std::nullopt;
        }
        form = std::move(*after);
        made.push_back(std::move(here));
    }
    return made;
}

} // namespace osmira
