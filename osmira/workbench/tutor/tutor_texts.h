#pragma once

#include "osmira/model/ejercicio.h"
#include "osmira/tutor/derivation_search.h"

#include <QString>

namespace osmira::workbench {

// The status bar's line for a selected element of the exercise's last step: "Reglas
// aplicables: R1, R3, R5" (applicable_rules.h). Empty for an element of another step: only the
// last one is transformed.
QString applicableRulesText(const CEjercicio& exercise, const CElemento& element);

// "Pista": the next step of a derivation on the step it starts from, told to a beginner: the
// rule, what to do with the selected element and why the rule allows it there, then what the
// rule asks for beyond the element (the formula to type for R2, the place for R3, the double-cut
// dialog's answer for R5): "Pista: con Borramiento (R1), borre la letra A señalada: está en un
// área par (…), y en un área par se puede borrar cualquier gráfico."
QString hintText(const COsmiraDoc& step, const SolutionStep& next);

// Why there is no next step: the goal is reached, or the search's own reason.
QString noHintText(const DerivationSearch& search);

} // namespace osmira::workbench
