#pragma once

#include "osmira/model/rule.h"
#include "osmira/rules/form_rules.h"
#include "osmira/rules/rule_request.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace osmira {

// One step of a found derivation, as the student would apply it on the step it starts from.
// Elements are positions in that step's element list (0 = the sheet), the numbering of
// RuleRequest: `step.GetElements()[element]` is the element to select.
struct SolutionStep {
    Rule rule = Rule::None;
    // The element the rule is applied to: the graph erased, deiterated or double-cut, the
    // area receiving an insertion, or R3's destination (a cut: the start of its interior;
    // a letter: just after it).
    std::size_t element = 0;
    // R3 only: the graph that is copied.
    std::optional<std::size_t> source;
    // R2 only: the formula to type in the insertion dialog, in the formula bytes (Latin-1,
    // 0xD8 ¬, 0xD9 ∧), as the dialog returns it.
    std::string formula;
    // R5 on a cut that is not a double cut: the dialog's answer.
    DoubleCutPosition position = DoubleCutPosition::Inside;
    // The bracket form the step starts from (W before it), to tell a stale hint.
    std::string before;

    RuleRequest request() const { return {rule, element, source}; }
    // The step as a rule on a bracket form: R2's formula converted to the graph it inserts.
    FormRule formRule() const;
};

// The form a step leads to from `form`, or nothing when the rules refuse it there.
std::optional<std::string> formAfter(std::string_view form, const SolutionStep& step);

// Steps found from one form, made again from `form`, which may differ from each step's `before`
// in the order of juxtaposed graphs: each element taken to its place in the form at hand, each
// step leading to the same diagram up to that order. Nothing when one of them cannot be made
// there (a deiteration needs its original byte for byte).
std::optional<std::vector<SolutionStep>> stepsFrom(std::string form, const std::vector<SolutionStep>& steps);

} // namespace osmira
