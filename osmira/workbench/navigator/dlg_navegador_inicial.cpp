#include "dlg_navegador_inicial.h"

#include "dlg_navegador.h"

#include <QWidget>

namespace osmira::workbench {

namespace {

QWidget* emptyBody() {
    auto* body = new QWidget;
    body->setObjectName(QStringLiteral("emptyNavigator"));
    // A height too: with neither a layout nor a minimum height the dock's layout would ask for a
    // negative one (Qt warns of it at every start).
    body->setMinimumSize(navigatorWidth(*body), 1);
    return body;
}

} // namespace

DlgNavegadorInicial::DlgNavegadorInicial(QWidget* parent) : QDockWidget(parent) {
    setObjectName(QStringLiteral("DlgNavegadorInicial"));
    // A bar without caption that stays docked on the left: no title bar to drag, float or close.
    setAllowedAreas(Qt::LeftDockWidgetArea);
    setFeatures(QDockWidget::NoDockWidgetFeatures);
    setTitleBarWidget(new QWidget(this));
    setWidget(emptyBody());
}

DlgNavegador* DlgNavegadorInicial::panel() const {
    return qobject_cast<DlgNavegador*>(widget());
}

DlgNavegador& DlgNavegadorInicial::openPanel() {
    auto* panel = new DlgNavegador;
    replaceBody(panel);
    return *panel;
}

void DlgNavegadorInicial::closePanel() {
    if (panel() != nullptr) {
        replaceBody(emptyBody());
    }
}

void DlgNavegadorInicial::replaceBody(QWidget* body) {
    // The dock does not delete the widget it gives up.
    QWidget* previous = widget();
    setWidget(body);
    delete previous;
}

} // namespace osmira::workbench
