#pragma once

#include "osmira/model/ejercicio.h"
#include "osmira/tutor/derivation_search.h"

#include <QString>

namespace osmira::workbench {

class WindowWorkbench;

// Whether the tutor speaks: "Pista" is offered and the note after Nuevo that the conclusion does
// not follow is shown. A teacher's exam lock in the system's settings (exam_lock.h) switches it
// off whatever the user's settings or OSMIRA_PISTAS say; without it, the user's own setting
// "activa=false" in the group [Pista], or the environment variable OSMIRA_PISTAS=0, does.
bool hintsEnabled();

// "Pista": the next step of the derivation `tutor` follows from the exercise's last step to its
// goal. The step's window comes forward with the step's element selected, as the student would
// select it; nothing is applied. Returns what the status bar says: the hint (tutor_texts.h), or,
// without a next step or on an exercise too large to search at once (tutor_bounds.h), why there
// is none.
QString showHint(CEjercicio& exercise, WindowWorkbench& workbench, Tutor& tutor);

} // namespace osmira::workbench
