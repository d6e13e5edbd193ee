#include "dlg_eliminar_diagramas.h"

#include "formula_dialog_support.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace osmira::workbench {

DlgEliminarDiagramas::DlgEliminarDiagramas(const CEjercicio& exercise, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("DlgEliminarDiagramas"));
    setWindowTitle(QStringLiteral("Eliminar Diagramas"));
    setFont(dialogFont());

    auto* text = new QLabel(QStringLiteral("Seleccione a continuación el \"Paso\" a partir del cual se "
                                           "eliminarán los diagramas que le siguen en la secuencia de "
                                           "diagramas del ejercicio:"),
                            this);
    text->setWordWrap(true);
    steps_ = new QComboBox(this);
    steps_->setObjectName(QStringLiteral("Pasos"));
    steps_->setEditable(false);
    steps_->setMaxVisibleItems(10);
    for (const auto& step : exercise.GetSteps()) {
        steps_->addItem(latin1Text(step->GetTitle()));
    }
    steps_->setCurrentIndex(steps_->count() > 0 ? 0 : -1);
    text->setBuddy(steps_);

    auto* acceptButton = new QPushButton(QStringLiteral("Aceptar"), this);
    acceptButton->setObjectName(QStringLiteral("Aceptar"));
    acceptButton->setDefault(true);
    connect(acceptButton, &QPushButton::clicked, this, &DlgEliminarDiagramas::accept);
    auto* cancelButton = new QPushButton(QStringLiteral("Cancelar"), this);
    cancelButton->setObjectName(QStringLiteral("Cancelar"));
    cancelButton->setAutoDefault(false);
    connect(cancelButton, &QPushButton::clicked, this, &DlgEliminarDiagramas::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(acceptButton);
    buttons->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(steps_);
    layout->addLayout(buttons);
    setMinimumWidth(text->fontMetrics().averageCharWidth() * 60);
    steps_->setFocus();
}

std::optional<std::size_t> DlgEliminarDiagramas::chosenStep() const {
    if (steps_->currentIndex() < 0) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(steps_->currentIndex());
}

} // namespace osmira::workbench
