#pragma once

#include "osmira/rules/solution_step.h"

#include <string>
#include <string_view>
#include <vector>

namespace osmira {

// A graph (or a group of juxtaposed graphs) the tutor may insert, with the formula the student
// types for it.
struct Insertable {
    std::string graph;
    std::string formula;
};

// What the goal holds, area by area, that one formula of the insertion dialog gives: each graph
// and each area's whole group, without empty cuts (no formula gives one), each once.
std::vector<Insertable> insertablesOf(std::string_view goal);

// A step and the form it leads to.
struct FormMove {
    SolutionStep step;
    std::string form;
};

// Every step the rules accept on `form`: erasures, deiterations and double-cut removals, then
// iterations, insertions of the given graphs, and double cuts added. The steps' `before` is left
// empty: a search makes many more steps than it keeps.
std::vector<FormMove> movesFrom(const std::string& form, const std::vector<Insertable>& insertables);

} // namespace osmira
