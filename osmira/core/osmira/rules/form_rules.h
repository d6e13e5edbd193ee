#pragma once

#include "osmira/model/rule.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace osmira {

// The five rules as functions of a bracket form: what a rule does to the diagram built from a
// form, without the diagram. Elements are numbered as in the diagram's element list: 0 is the
// sheet, k the k-th character of the form that is not ']' (its cut or its letter).
//
// The workbench applies a rule through these (CEjercicio::ApplyRule asks its questions between
// formRuleRefusal and applyFormRule); the derivation check and the tutor call them directly.

struct FormRule {
    Rule rule = Rule::None;
    // The element the rule acts on: the graph erased, deiterated or double-cut, the area that
    // receives an insertion, or the place of an iteration (a cut: the start of its interior; a
    // letter: just after it).
    std::size_t element = 0;
    // R3 only: the graph copied.
    std::optional<std::size_t> source;
    // R2 only: the bracket form inserted.
    std::string graph;
    // R5 on a cut that is not a double cut (asksDoubleCutPosition): where the two cuts go.
    DoubleCutPosition position = DoubleCutPosition::Inside;
};

enum class FormOutcome {
    Applied,
    Refused,      // the rule's own refusal, in `refusal`
    NoSuchElement // an element (or R3's source) the form does not have
};

struct FormRuleResult {
    FormOutcome outcome = FormOutcome::NoSuchElement;
    std::string form;    // the new form when applied
    std::string refusal; // Latin-1, the message the workbench shows when refused
};

// The number of elements of the diagram built from `form`, the sheet included.
std::size_t elementCount(std::string_view form);

// The text position of element `element` (1 and up): its '[' or its letter; nothing for the
// sheet or past the last element.
std::optional<std::size_t> elementPosition(std::string_view form, std::size_t element);

// The element whose '[' or letter stands at text position `position`: one more than the
// characters before it that are not ']'.
std::size_t elementAt(std::string_view form, std::size_t position);

// Whether R5 on this element asks where the double cut goes: a cut that is not itself a double
// cut (one cut holding exactly one cut).
bool asksDoubleCutPosition(std::string_view form, std::size_t element);

// The refusal the rule meets before anything is asked of the student: the rule's condition on
// its element (parity, an enclosing original, a place for the copy) and, where the growth is
// known without an answer (R3, R5), the longest form an exercise holds. Empty when the rule may
// go on; R2's graph and R5's side are not looked at.
std::string formRuleRefusal(std::string_view form, const FormRule& rule);

// The rule applied: formRuleRefusal, then R2's growth, then the edit.
FormRuleResult applyFormRule(std::string_view form, const FormRule& rule);

} // namespace osmira
