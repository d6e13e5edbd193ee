#pragma once

#include "osmira/ejercicio.h"
#include "osmira/rule.h"
#include "osmira/rule_request.h"

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
};

enum class SearchOutcome {
    Found,          // `steps` lead from the last step to the goal (none when it is reached)
    NoConclusion,   // the exercise has no conclusion to reach
    NotDerivable,   // the hypotheses do not entail the conclusion
    LastStepWeaker, // the hypotheses do, but the last step no longer does
    NoLastStep,     // no step, or the last one is locked
    NotFound,       // the search failed: a fault of the program, never expected
    TooLarge        // beyond what the search takes on (kMostSearchedLetters, kLongestSearched)
};

// The search is complete within the tutor's bounds (four letters, six hypotheses, a conclusion of
// twelve connectives) and quick well beyond them; past these it could keep a window waiting for
// minutes, so it is not started unless the goal's graphs all stand already.
inline constexpr int kMostSearchedLetters = 10;
inline constexpr std::size_t kLongestSearched = 20000; // the last step's and the conclusion's forms

struct DerivationSearch {
    SearchOutcome outcome = SearchOutcome::NoLastStep;
    std::vector<SolutionStep> steps;
    // Latin-1, the Spanish reason when nothing was found; empty for Found.
    std::string reason;
};

// A derivation from the exercise's last step to its goal (the conclusion, up to the order of
// juxtaposed graphs), every step applied and accepted by the program's own rules on a scratch
// copy while it is found. Complete: whenever the last step entails the conclusion, steps are
// found. The exercise is not changed.
DerivationSearch findDerivation(const CEjercicio& exercise);

// The first step of findDerivation, for a hint; nothing when there is no derivation or the
// goal is already reached.
std::optional<SolutionStep> nextStep(const CEjercicio& exercise);

// Applies a step to the exercise's last step through the rules, answering the insertion and
// double-cut questions from the step on `workbench`, which must be the exercise's workbench.
RuleOutcome applySolutionStep(CEjercicio& exercise, WindowlessWorkbench& workbench, const SolutionStep& step);

} // namespace osmira
