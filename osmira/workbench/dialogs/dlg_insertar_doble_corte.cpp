#include "dlg_insertar_doble_corte.h"

#include "formula_dialog_support.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace osmira::workbench {

DlgInsertarDobleCorte::DlgInsertarDobleCorte(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("DlgInsertarDobleCorte"));
    setWindowTitle(QStringLiteral("Inserción de \"Doble Corte\""));
    setFont(dialogFont());

    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("¿Dónde desea insertar el \"Doble Corte\"?"), this);
    group->setObjectName(QStringLiteral("Donde"));
    auto* choices = new QVBoxLayout(group);
    auto* inside = new QRadioButton(QStringLiteral("Dentro del gráfico seleccionado."), group);
    inside->setObjectName(QStringLiteral("Dentro"));
    inside->setChecked(true);
    auto* around = new QRadioButton(QStringLiteral("Alrededor del gráfico seleccionado."), group);
    around->setObjectName(QStringLiteral("Alrededor"));
    choices->addWidget(inside);
    choices->addWidget(around);
    layout->addWidget(group);
    // The arrow keys move the choice too, so follow the state rather than the clicks.
    connect(around, &QRadioButton::toggled, this, [this](bool checked) {
        position_ = checked ? DoubleCutPosition::Around : DoubleCutPosition::Inside;
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* acceptButton = new QPushButton(QStringLiteral("Aceptar"), this);
    acceptButton->setObjectName(QStringLiteral("Aceptar"));
    acceptButton->setDefault(true);
    connect(acceptButton, &QPushButton::clicked, this, &DlgInsertarDobleCorte::accept);
    buttons->addWidget(acceptButton);
    layout->addLayout(buttons);
}

} // namespace osmira::workbench
