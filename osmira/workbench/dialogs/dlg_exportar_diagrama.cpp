#include "dlg_exportar_diagrama.h"

#include "formula_dialog_support.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace osmira::workbench {

DlgExportarDiagrama::DlgExportarDiagrama(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("DlgExportarDiagrama"));
    setWindowTitle(QStringLiteral("Exportar diagrama"));
    setFont(dialogFont());

    auto* layout = new QVBoxLayout(this);
    // A choice with its name and what it does.
    const auto choice = [this](QAbstractButton* button, const char* name, const QString& tip) {
        button->setObjectName(QString::fromLatin1(name));
        button->setToolTip(tip);
        return button;
    };
    QAbstractButton* print =
        choice(new QRadioButton(QStringLiteral("Estilo de impresión"), this), "EstiloImpresion",
               QStringLiteral("Hoja blanca, cortes en negro sin relleno y letras en cursiva"));
    print->setChecked(true);
    layout->addWidget(print);
    showMark_ = new QCheckBox(QStringLiteral("Señalar el elemento marcado"), this);
    choice(showMark_, "SenalarMarcado",
           QStringLiteral("Traza con guiones el contorno del elemento al que se aplicó la regla"));
    auto* underPrint = new QVBoxLayout;
    underPrint->setContentsMargins(2 * fontMetrics().averageCharWidth() + 8, 0, 0, 0);
    underPrint->addWidget(showMark_);
    layout->addLayout(underPrint);
    windowLook_ = new QRadioButton(QStringLiteral("Aspecto de la ventana"), this);
    choice(windowLook_, "AspectoVentana",
           QStringLiteral("Los colores, la letra y el relleno del elemento marcado, como en la ventana"));
    layout->addWidget(windowLook_);
    // The window's look shows the marked element by its fill already.
    connect(windowLook_, &QRadioButton::toggled, showMark_, &QCheckBox::setDisabled);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("Aceptar"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("Aceptar"));
    buttons->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("Cancelar"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

FigureStyle DlgExportarDiagrama::style() const {
    if (windowLook_->isChecked()) {
        return FigureStyle::Window;
    }
    return showMark_->isChecked() ? FigureStyle::PrintWithMark : FigureStyle::Print;
}

} // namespace osmira::workbench
