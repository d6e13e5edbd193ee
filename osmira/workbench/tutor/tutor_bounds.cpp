#include "tutor_bounds.h"

#include "osmira/bracket/graph_truth.h"

#include <bit>
#include <string_view>

namespace osmira::workbench {

namespace {

bool withinReach(std::string_view premises, std::string_view conclusion, std::size_t characters,
                 int letters) {
    return premises.size() + conclusion.size() <= characters &&
           std::popcount(lettersOf(premises) | lettersOf(conclusion)) <= letters;
}

} // namespace

bool hintWithinReach(const CEjercicio& exercise) {
    return withinReach(exercise.GetWorking(), exercise.goalBracketForm(), 300, 6);
}

bool verdictWithinReach(const CEjercicio& exercise) {
    return withinReach(exercise.firstStepBracketForm(), exercise.goalBracketForm(), 2000, 10);
}

} // namespace osmira::workbench
