#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace osmira {

// The check every formula dialog runs on an entry whose blanks were removed: the syntax
// check, no dangling connective or negation at the end, and a nesting the conversion can
// hold, so that no accepted formula is ever turned into a wrong bracket form.
bool CheckFormulaEntry(std::string_view formula);

inline constexpr int kHypothesisSlots = 6;

// (H1)∧(H2)∧… from the non-empty slots in slot order.
std::string BuildHypothesesFormula(const std::vector<std::string>& slots);

// What the formulas dialog says about the entries of a new exercise, or nothing when they
// are accepted. The combined hypotheses formula must fit the conversion too.
std::optional<std::string> CheckExerciseFormulas(const std::vector<std::string>& hypothesisSlots,
                                                 std::string_view conclusion);

} // namespace osmira
