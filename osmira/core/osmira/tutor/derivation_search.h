#pragma once

#include "osmira/model/ejercicio.h"
#include "osmira/model/rule.h"
#include "osmira/rules/rule_request.h"
#include "osmira/rules/solution_step.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace osmira {

enum class SearchOutcome {
    Found,          // `steps` lead from the last step to the goal (none when it is reached)
    NoConclusion,   // the exercise has no conclusion to reach
    NotDerivable,   // the hypotheses do not entail the conclusion
    LastStepWeaker, // the hypotheses do, but the last step no longer does
    NoLastStep,     // no step, or the last one is locked
    NotFound,       // the search failed: a fault of the program, never expected
    TooLarge        // beyond what the search takes on (kMostSearchedLetters, kLongestSearched), or a
                    // derivation the exercise could not hold (kMostSteps, kMostExerciseElements)
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

// A short derivation from the exercise's last step to its goal (the conclusion, or the hypotheses
// of an exercise without one, up to the order of juxtaposed graphs), every step applied and
// accepted by the rules of form_rules.h while it is found. Within the search's bounds, whenever
// the last step entails the goal, steps are found (Found), unless they would not fit in the
// exercise (TooLarge). The exercise is not changed.
DerivationSearch findDerivation(const CEjercicio& exercise);

// The hints of one student: every hint is the next step of one derivation, so that following
// them reaches the goal in as many steps as that derivation has, and none starts a detour again.
// While the last step is one of the derivation's diagrams (up to the order of juxtaposed
// graphs), the rest of it is taken; a step of the student's own starts a search that may end on
// a diagram of the old derivation and go on with its rest. Depends only on the forms, so one
// tutor serves every exercise the student opens.
class Tutor {
  public:
    // As findDerivation, from the exercise's last step.
    DerivationSearch derivation(const CEjercicio& exercise);

  private:
    std::string goal_;
    std::vector<SolutionStep> plan_;
};

// Applies a step to the exercise's last step through the rules, answering the insertion and
// double-cut questions from the step on `workbench`, which must be the exercise's workbench.
RuleOutcome applySolutionStep(CEjercicio& exercise, WindowlessWorkbench& workbench, const SolutionStep& step);

} // namespace osmira
