#pragma once

#include "osmira/ejercicio.h"

class QStatusBar;

namespace osmira::workbench {

class WindowWorkbench;

// Whether "Pista" is offered. An exam room switches it off with the environment variable
// OSMIRA_PISTAS=0, or with the setting "activa=false" in the group [Pista] of the program's
// settings file (the user's, or the system's under /etc/xdg, which every user reads).
bool hintsEnabled();

// "Pista": the next step of a derivation from the exercise's last step to its goal. The step's
// window comes forward with the step's element selected, as the student would select it, and
// the status bar names the rule; nothing is applied. Without a next step, or on an exercise too
// large to search at once (tutor_bounds.h), the status bar says why.
void showHint(CEjercicio& exercise, WindowWorkbench& workbench, QStatusBar& statusBar);

} // namespace osmira::workbench
