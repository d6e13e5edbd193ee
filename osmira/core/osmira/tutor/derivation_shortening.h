#pragma once

#include "osmira/rules/form_moves.h"
#include "osmira/rules/solution_step.h"

#include <string>
#include <vector>

namespace osmira {

// A derivation with its detours taken out: wherever a later diagram (up to the order of
// juxtaposed graphs) follows from an earlier one by a single step, or is the earlier one again,
// the steps between give way to that step. The complete method derives by contradiction and
// leaves such detours. The steps must start from `working`, each with its `before`. At most
// `budget` forms are made for the single steps tried; past it the rest stays as it is.
std::vector<SolutionStep> shortened(const std::string& working, std::vector<SolutionStep> steps,
                                    const std::vector<Insertable>& insertables, std::size_t budget);

} // namespace osmira
