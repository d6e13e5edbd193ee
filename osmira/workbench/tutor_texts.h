#pragma once

#include "osmira/derivation_search.h"
#include "osmira/ejercicio.h"

#include <QString>

namespace osmira::workbench {

// The status bar's line for a selected element of the exercise's last step: "Reglas
// aplicables: R1, R3, R5" (applicable_rules.h). Empty for an element of another step: only the
// last one is transformed.
QString applicableRulesText(const CEjercicio& exercise, const CElemento& element);

// "Pista": the next step of a derivation on the step it starts from, named for the student:
// "Pista: aplique Desiteración (R4) a la letra A señalada", with the formula to insert (R2), the
// place to choose (R3) or the double-cut dialog's answer (R5) when the rule asks for one.
QString hintText(const COsmiraDoc& step, const SolutionStep& next);

// Why there is no next step: the goal is reached, or the search's own reason.
QString noHintText(const DerivationSearch& search);

} // namespace osmira::workbench
