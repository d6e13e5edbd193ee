#pragma once

#include "osmira/ejercicio.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace osmira {

// Whether an exercise's conclusion can be reached from its hypotheses. The five rules are
// sound and complete, so this is entailment, decided by truth tables.
enum class Derivability {
    Derivable,
    NotDerivable, // a valuation makes every hypothesis true and the conclusion false
    NoConclusion  // the exercise asks for nothing to follow
};

// A letter and the truth value it is given.
using LetterValue = std::pair<char, bool>;

struct DerivabilityVerdict {
    Derivability derivability = Derivability::NoConclusion;
    // For NotDerivable only: the letters of the hypotheses and the conclusion in alphabetical
    // order, each with its value, the first such valuation in truth-table order (all true first).
    std::vector<LetterValue> counterexample;
};

// Over bracket forms: whether `premises` (a juxtaposition, true on the empty sheet) entails
// `conclusion`. An empty conclusion gives NoConclusion.
DerivabilityVerdict decideDerivability(std::string_view premises, std::string_view conclusion);

// For a created or read exercise: its hypotheses and conclusion (bracket forms).
DerivabilityVerdict decideDerivability(const CEjercicio& exercise);

// "A verdadera, B falsa y C verdadera" (ASCII, so Latin-1 too).
std::string describeValuation(const std::vector<LetterValue>& valuation);

// Latin-1, for NotDerivable: "La conclusión no se sigue de las hipótesis: con A verdadera y B
// falsa, las hipótesis son verdaderas y la conclusión es falsa." Empty otherwise.
std::string notDerivableNote(const DerivabilityVerdict& verdict);

} // namespace osmira
