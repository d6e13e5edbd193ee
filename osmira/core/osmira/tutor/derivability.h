#pragma once

#include "osmira/model/ejercicio.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace osmira {

// Whether an exercise's goal can be reached from its first step. The five rules are sound and
// complete, so this is entailment, decided by truth tables.
enum class Derivability {
    Derivable,
    NotDerivable, // a valuation makes the first step true and the goal false
    NoConclusion  // the exercise asks for nothing to follow
};

// A letter and the truth value it is given.
using LetterValue = std::pair<char, bool>;

// What an exercise asks to derive from what, which the note about it names.
enum class DerivationGoal {
    Conclusion,        // the conclusion from the hypotheses
    TheoremConclusion, // the conclusion from the empty sheet: no hypotheses
    TheoremHypotheses  // the hypotheses from the empty sheet: no conclusion
};

struct DerivabilityVerdict {
    Derivability derivability = Derivability::NoConclusion;
    // For NotDerivable only: the letters of the first step and the goal in alphabetical order,
    // each with its value, the first such valuation in truth-table order (all true first).
    std::vector<LetterValue> counterexample;
    DerivationGoal goal = DerivationGoal::Conclusion;
};

// Over bracket forms: whether `premises` (a juxtaposition, true on the empty sheet) entails
// `conclusion`. An empty conclusion gives NoConclusion.
DerivabilityVerdict decideDerivability(std::string_view premises, std::string_view conclusion);

// For a created or read exercise: whether its first step entails its goal. With hypotheses and
// a conclusion, whether the hypotheses entail the conclusion; from the empty sheet, whether the
// goal (the conclusion, or the hypotheses of an exercise without one) is a tautology. Neither
// hypotheses nor conclusion give NoConclusion.
DerivabilityVerdict decideDerivability(const CEjercicio& exercise);

// "A verdadera, B falsa y C verdadera" (ASCII, so Latin-1 too).
std::string describeValuation(const std::vector<LetterValue>& valuation);

// Latin-1, for NotDerivable: "La conclusión no se sigue de las hipótesis: con A verdadera y B
// falsa, las hipótesis son verdaderas y la conclusión es falsa." From the empty sheet: "La
// conclusión no es una tautología: con A falsa, la conclusión es falsa.", or "Las hipótesis no
// son una tautología: con A falsa, alguna hipótesis es falsa." Empty otherwise.
std::string notDerivableNote(const DerivabilityVerdict& verdict);

} // namespace osmira
