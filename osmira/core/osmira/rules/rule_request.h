#pragma once

#include "osmira/model/ejercicio.h"
#include "osmira/model/rule.h"

#include <cstddef>
#include <optional>

namespace osmira {

// A rule asked for by element positions in the last step's list (0 = the sheet). For
// iteration, `source` is the graph to copy and `element` the place.
struct RuleRequest {
    Rule rule = Rule::None;
    std::size_t element = 0;
    std::optional<std::size_t> source;
};

// Selects as the view does and applies the rule. A locked last step is refused with the
// locked-step message; positions outside the list, or iteration without a source, apply
// nothing.
RuleOutcome requestRule(CEjercicio& exercise, const RuleRequest& request);

} // namespace osmira
