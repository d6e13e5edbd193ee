#pragma once

#include "osmira/rules/form_moves.h"
#include "osmira/rules/solution_step.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace osmira {

// A form the search may stop at, with the steps known to lead on from it to the goal: the goal
// itself (none), or a form of an earlier derivation the student is following.
struct SearchTarget {
    std::string canonical; // canonicalJuxtaposition of the form
    std::size_t remaining = 0;
};

struct ShortPath {
    std::vector<SolutionStep> steps;
    std::size_t target = 0; // the index of the target reached
};

// A short derivation from `working` to one of `targets`, searched best first (weighted A*) over
// forms up to the order of juxtaposed graphs: the steps made so far plus the target's remaining
// steps, or `weight` times an estimate of the steps still to make (areaDistance to the first
// target, the goal); with weight 1, ties go to the form the estimate puts nearer the goal.
// Besides single steps, an iteration followed by what it allows inside the copy (deiterations,
// double cuts removed) and a deiteration followed by the removal of the double cut it leaves
// count as moves of their length: modus ponens in any area. Every
// step the rules accept is a candidate, insertions only of the goal's graphs. Nothing when
// `budget` forms were made without reaching a target. Deterministic: the budget counts forms,
// not time.
std::optional<ShortPath> shortDerivation(const std::string& working, const std::vector<SearchTarget>& targets,
                                         const std::vector<Insertable>& insertables, std::size_t budget,
                                         std::size_t weight);

// An estimate of the steps between two canonical forms: graphs one holds and the other does not
// (one step each, a double cut around them one more), cuts that differ inside compared inside.
std::size_t areaDistance(std::string_view from, std::string_view to);

} // namespace osmira
