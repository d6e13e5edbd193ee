#include "window_workbench.h"

#include "osmira/model/ejercicio.h"

#include "child_frame.h"
#include "dlg_insertar_doble_corte.h"
#include "dlg_insertar_grafico.h"
#include "dlg_navegador.h"
#include "dlg_navegador_inicial.h"
#include "host.h"
#include "icons.h"
#include "osmira_view.h"

#include <QMdiArea>

namespace osmira::workbench {

WindowWorkbench::WindowWorkbench(QMdiArea& area, DlgNavegadorInicial& navigatorBar, Host& host)
    : area_(area), navigatorBar_(navigatorBar), host_(host) {}

CChildFrame* WindowWorkbench::frameOf(const COsmiraDoc& step) const {
    const auto found = frames_.find(&step);
    return found == frames_.end() ? nullptr : found->second.data();
}

void WindowWorkbench::OpenWindow(COsmiraDoc& step) {
    if (CChildFrame* frame = frameOf(step)) {
        area_.setActiveSubWindow(frame);
        return;
    }
    auto* frame = new CChildFrame(step, host_);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->setWindowIcon(programIcon());
    frames_[&step] = frame;
    connect(frame, &CChildFrame::closedByUser, this, [this](COsmiraDoc* closed) { frames_.erase(closed); });
    connect(frame, &CChildFrame::ruleCommitted, this, &WindowWorkbench::ruleCommitted);
    connect(frame->view(), &COsmiraView::selectionChanged, this,
            [this, &step] { emit selectionChanged(step); });
    area_.addSubWindow(frame);
    emit stepWindowCreated(frame);
    frame->show();
    area_.setActiveSubWindow(frame);
}

void WindowWorkbench::closeWindow(COsmiraDoc& step) {
    const auto found = frames_.find(&step);
    if (found == frames_.end()) {
        return;
    }
    const QPointer<CChildFrame> frame = found->second;
    frames_.erase(found);
    if (frame) {
        frame->detach();
    }
}

void WindowWorkbench::repaintView(COsmiraDoc& step) {
    if (CChildFrame* frame = frameOf(step)) {
        frame->view()->diagramChanged();
    }
}

DlgNavegador* WindowWorkbench::navigator() const {
    return navigatorBar_.panel();
}

DlgNavegador& WindowWorkbench::openNavigatorPanel() {
    DlgNavegador& panel = navigatorBar_.openPanel();
    connect(&panel, &DlgNavegador::stepActivated, this, [this](COsmiraDoc* step) {
        if (step != nullptr) {
            OpenWindow(*step);
        }
    });
    return panel;
}

void WindowWorkbench::openNavigator(CEjercicio& exercise, COsmiraDoc& step) {
    openNavigatorPanel().Open(exercise, step);
}

void WindowWorkbench::addNavigatorStep(COsmiraDoc& step, Rule rule) {
    if (DlgNavegador* panel = navigator()) {
        panel->AddStep(step, rule);
    }
}

void WindowWorkbench::removeNavigatorStep(COsmiraDoc& step) {
    if (DlgNavegador* panel = navigator()) {
        panel->RemoveStep(step);
    }
}

void WindowWorkbench::rebuildNavigator(CEjercicio& exercise) {
    openNavigatorPanel().rebuild(exercise);
}

std::optional<std::string> WindowWorkbench::askFormulaToInsert() {
    DlgInsertarGrafico dialog(host_, area_.window());
    if (host_.runDialog(dialog) != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.formula();
}

DoubleCutPosition WindowWorkbench::askDoubleCutPosition() {
    // The answer counts however the dialog ends, also by its close button.
    DlgInsertarDobleCorte dialog(area_.window());
    host_.runDialog(dialog);
    return dialog.position();
}

void WindowWorkbench::showRefusal(const std::string& message) {
    host_.showMessage(area_.window(),
                      QString::fromLatin1(message.data(), static_cast<qsizetype>(message.size())),
                      QStringLiteral("Osmira"), MessageIcon::Exclamation);
}

void WindowWorkbench::closeExercise(const CEjercicio& exercise) {
    for (const auto& step : exercise.GetSteps()) {
        closeWindow(*step);
    }
    navigatorBar_.closePanel();
}

} // namespace osmira::workbench
