#pragma once

// An independent reading of a tableau for the tests: every node is checked against the rule it
// names, on the keypad spelling of its formulas, without the prover's own code.

#include "zudaviror/modal_system.h"
#include "zudaviror/tableau.h"

#include <string>
#include <string_view>

namespace zudaviror::oracle {

// Empty when the tableau is a closed tableau of ¬K in the system; else what is wrong, first.
std::string closedTableauFault(std::string_view K, const Tableau& tableau, ModalSystem system);

} // namespace zudaviror::oracle
