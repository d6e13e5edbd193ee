#pragma once

#include "osmira/ejercicio.h"

#include <QString>

namespace osmira::workbench {

// The status bar's line for a selected element of the exercise's last step: "Reglas
// aplicables: R1, R3, R5" (applicable_rules.h). Empty for an element of another step: only the
// last one is transformed.
QString applicableRulesText(const CEjercicio& exercise, const CElemento& element);

} // namespace osmira::workbench
