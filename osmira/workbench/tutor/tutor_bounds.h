#pragma once

#include "osmira/model/ejercicio.h"

namespace osmira::workbench {

// The tutor's answers are exact for every exercise, but their time grows with the letters and the
// size of the diagrams: the largest exercise a student can start takes minutes. The window asks
// only where the answer comes at once, so that no command leaves it frozen.

// "Pista": the last step and the goal hold at most six distinct letters and 300 characters of
// bracket form together (a derivation found in a few hundred milliseconds at most).
bool hintWithinReach(const CEjercicio& exercise);

// The note after Nuevo: the first step and the goal hold at most ten distinct letters and 2,000
// characters together (truth tables answer in milliseconds).
bool verdictWithinReach(const CEjercicio& exercise);

} // namespace osmira::workbench
