#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace osmira {

// The check every formula dialog runs on an entry whose blanks were removed: the syntax
// check, no dangling connective or negation at the end, and a nesting the conversion can
// hold, so that no accepted formula is ever turned into a wrong bracket form.
// Longer formulas are refused too: they cannot be typed (see kLongestFormula).
bool checkFormulaEntry(std::string_view formula);

// Why that check refuses an entry, the dialogs' message naming the cause (an empty entry, a
// formula too long, its syntax, or a nesting too deep to convert), or nothing when it passes.
std::optional<std::string> formulaEntryRefusal(std::string_view formula);
// The same for the insertion rule's formula, whose syntax message is its own.
std::optional<std::string> insertionRefusal(std::string_view formula);

inline constexpr int kHypothesisSlots = 6;

// A formula field is a line edit, which holds at most 32767 characters.
inline constexpr std::size_t kLongestFormula = 32767;
// Every slot filled to the limit and joined as (H1)∧(H2)∧…
inline constexpr std::size_t kLongestHypothesesFormula = kHypothesisSlots * (kLongestFormula + 3) - 1;

// The entry check of the joined hypotheses formula, which may be as long as six entries.
bool checkHypothesesFormula(std::string_view formula);

// (H1)∧(H2)∧… from the non-empty slots in slot order.
std::string buildHypothesesFormula(const std::vector<std::string>& slots);

// What the formulas dialog says about the entries of a new exercise, or nothing when they
// are accepted. The combined hypotheses formula must fit the conversion too.
std::optional<std::string> checkExerciseFormulas(const std::vector<std::string>& hypothesisSlots,
                                                 std::string_view conclusion);

} // namespace osmira
