#include "dlg_nuevo_teorema.h"

#include "osmira/formula/formula_entry.h"
#include "osmira/formula/formula_syntax.h"

#include "formula_dialog_support.h"
#include "formula_entry_field.h"
#include "host.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace osmira::workbench {

DlgNuevoTeorema::DlgNuevoTeorema(Host& host, QWidget* parent) : QDialog(parent), host_(host) {
    setObjectName(QStringLiteral("DlgNuevoTeorema"));
    setWindowTitle(QStringLiteral("Nuevo teorema"));
    setFont(dialogFont());

    auto* layout = new QVBoxLayout(this);
    entry_ = &addFormulaEntry(*this, *layout, QStringLiteral("FormulaTeorema"),
                              QStringLiteral("Conclusión, que se demuestra a partir de la hoja vacía:"));
    entry_->setMinimumWidth(entry_->fontMetrics().averageCharWidth() * 40);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* acceptButton = new QPushButton(QStringLiteral("Aceptar"), this);
    acceptButton->setObjectName(QStringLiteral("Aceptar"));
    acceptButton->setDefault(true);
    connect(acceptButton, &QPushButton::clicked, this, &DlgNuevoTeorema::accept);
    buttons->addWidget(acceptButton);
    auto* cancelButton = new QPushButton(QStringLiteral("Cancelar"), this);
    cancelButton->setObjectName(QStringLiteral("Cancelar"));
    cancelButton->setAutoDefault(false);
    connect(cancelButton, &QPushButton::clicked, this, &DlgNuevoTeorema::reject);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);

    entry_->setFocus();
}

std::string DlgNuevoTeorema::conclusion() const {
    return removeBlanks(entry_->formula());
}

// The formula passes the check the exercise is made with, so that an accepted one is never
// refused afterwards.
void DlgNuevoTeorema::accept() {
    const std::string formula = conclusion();
    if (const std::optional<std::string> refusal = formulaEntryRefusal(formula)) {
        host_.showMessage(this, latin1Text(*refusal), entryRefusalCaption(formula), MessageIcon::Exclamation);
        entry_->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace osmira::workbench
