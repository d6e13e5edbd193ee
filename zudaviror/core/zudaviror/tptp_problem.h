#pragma once

#include "zudaviror/modal_system.h"
#include "zudaviror/world_formula.h"

#include <string>
#include <string_view>

// The translation as a TPTP problem in many-sorted first-order form (tff), for provers of the
// student's own: a sort of worlds, the accessibility relation acc, a predicate a letter (p … t;
// phi, psi, beta, alpha for the formula variables), the system's frame conditions as axioms, and
// as conjecture that the formula holds at every world.
namespace zudaviror {

// K is the modal formula, quoted in the opening comment; the problem is ASCII.
std::string tptpProblem(std::string_view K, const WorldFormula& formula, ModalSystem system);

} // namespace zudaviror
