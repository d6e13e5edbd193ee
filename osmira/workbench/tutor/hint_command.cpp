#include "hint_command.h"

#include "osmira/archive/exam_lock.h"
#include "osmira/tutor/derivation_search.h"

#include "child_frame.h"
#include "osmira_view.h"
#include "tutor_bounds.h"
#include "tutor_texts.h"
#include "window_workbench.h"

#include <QSettings>

namespace osmira::workbench {

bool hintsEnabled() {
    if (examLockFile() || qEnvironmentVariable("OSMIRA_PISTAS") == QLatin1String("0")) {
        return false;
    }
    return QSettings().value(QStringLiteral("Pista/activa"), true).toBool();
}

QString showHint(CEjercicio& exercise, WindowWorkbench& workbench, Tutor& tutor) {
    if (!hintWithinReach(exercise)) {
        return QStringLiteral(
            "No hay pista: el ejercicio es demasiado grande para buscar una derivación al momento.");
    }
    COsmiraDoc* last = exercise.lastStep();
    const DerivationSearch search = tutor.derivation(exercise);
    if (last == nullptr || search.steps.empty()) {
        return noHintText(search);
    }
    const SolutionStep& next = search.steps.front();
    workbench.OpenWindow(*last);
    CChildFrame* frame = workbench.frameOf(*last);
    // A rule left waiting for its place would take the student's next click.
    frame->puntero();
    frame->view()->selectElement(last->GetElements()[next.source.value_or(next.element)].get());
    frame->view()->setFocus();
    return hintText(*last, next);
}

} // namespace osmira::workbench
