#pragma once

#include "osmira/model/ejercicio.h"
#include "osmira/model/rule.h"

#include <vector>

namespace osmira {

// The rules the program would accept on an element of the exercise's last step, R1 to R5 in
// order, decided by the rules' own conditions (form_rules.h). Nothing when the
// element is not in the last step or the step is locked.
//
// Two rules need more than the selected element, and "applicable" then means:
// - R2: the element is an area that accepts an insertion; any formula the dialog lets through
//   is then inserted.
// - R3: the element, taken as the graph to copy (the selection the rule starts from), can be
//   copied to some place of the step.
// R5 is never refused. The size limits of an exercise are not weighed, but for a copy that
// would make the form longer than any exercise holds.
std::vector<Rule> applicableRules(const CEjercicio& exercise, const CElemento& element);

} // namespace osmira
