#include "option_commands.h"

#include "osmira/report/informe.h"

#include "dlg_apariencia_diagrama.h"
#include "dlg_comentario.h"
#include "dlg_eliminar_diagramas.h"
#include "dlg_informe.h"
#include "dlg_navegador.h"
#include "formula_dialog_support.h"
#include "host.h"
#include "report_writing.h"
#include "window_workbench.h"

#include <QFile>

namespace osmira::workbench {

namespace {

const QString kCaption = QStringLiteral("Osmira");

} // namespace

OptionCommands::OptionCommands(CEjercicio& exercise, Host& host, WindowWorkbench& workbench,
                               DlgNavegador* navigator, QWidget* parent)
    : exercise_(exercise), host_(host), workbench_(workbench), navigator_(navigator), parent_(parent) {}

bool OptionCommands::apariencia() {
    DlgAparienciaDiagrama dialog(host_, exercise_.GetAppearances().sheet, parent_);
    if (host_.runDialog(dialog) != QDialog::Accepted || !dialog.changed()) {
        return false;
    }
    // Letters are written in the border colour, as the preview shows them.
    exercise_.SetColors(dialog.borderColour(), dialog.fillColour(), dialog.selectionColour(),
                        dialog.borderColour());
    exercise_.recolorSteps();
    for (const auto& step : exercise_.GetSteps()) {
        workbench_.repaintView(*step);
    }
    return true;
}

bool OptionCommands::comentario() {
    COsmiraDoc* step = navigator_ != nullptr ? navigator_->SelectedStep() : nullptr;
    QString target;
    if (step != nullptr) {
        target = latin1Text(step->GetTitle());
    } else if (exercise_.GetTitle().empty()) {
        target = QStringLiteral("Ejercicio");
    } else {
        target = QStringLiteral("Ejercicio - ") + latin1Text(exercise_.GetTitle());
    }
    DlgComentario dialog(target, step != nullptr ? step->GetComment() : exercise_.GetDescription(), parent_);
    if (host_.runDialog(dialog) != QDialog::Accepted || !dialog.changed()) {
        return false;
    }
    if (step != nullptr) {
        step->SetComment(dialog.comment());
    } else {
        exercise_.SetDescription(dialog.comment());
    }
    if (navigator_ != nullptr) {
        navigator_->RefreshComment();
    }
    return true;
}

bool OptionCommands::eliminarDiagramas() {
    DlgEliminarDiagramas dialog(exercise_, parent_);
    if (host_.runDialog(dialog) != QDialog::Accepted) {
        return false;
    }
    const std::optional<std::size_t> chosen = dialog.chosenStep();
    return chosen && removeStepsAfter(*chosen);
}

bool OptionCommands::eliminarUltimoPaso() {
    const std::size_t steps = exercise_.GetSteps().size();
    return steps >= 2 && removeStepsAfter(steps - 2);
}

bool OptionCommands::removeStepsAfter(std::size_t keep) {
    if (keep + 1 >= exercise_.GetSteps().size()) {
        return false; // the chosen step is the last one already: nothing to remove
    }
    exercise_.removeStepsAfter(keep);
    // The step is the one to go on from: its window comes forward if it is open.
    COsmiraDoc& last = *exercise_.lastStep();
    if (workbench_.frameOf(last) != nullptr) {
        workbench_.OpenWindow(last);
    }
    return true;
}

void OptionCommands::generarInforme() {
    DlgInforme dialog(host_, parent_);
    if (host_.runDialog(dialog) != QDialog::Accepted) {
        return;
    }
    const std::optional<std::string> failure = writeReportShowingProgress(
        parent_, exercise_, dialog.options(), QFile::encodeName(dialog.reportPath()).toStdString());
    if (failure) {
        host_.showMessage(parent_, latin1Text(*failure), kCaption,
                          *failure == kInformeCancelado ? MessageIcon::Information
                                                        : MessageIcon::Exclamation);
        return;
    }
    host_.showMessage(parent_, latin1Text(kInformeAcabado), kCaption, MessageIcon::Information);
}

} // namespace osmira::workbench
