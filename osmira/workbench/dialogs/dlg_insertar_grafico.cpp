#include "dlg_insertar_grafico.h"

#include "osmira/formula_entry.h"
#include "osmira/formula_syntax.h"
#include "osmira/messages.h"

#include "formula_dialog_support.h"
#include "formula_entry_field.h"
#include "formula_keypad.h"
#include "host.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace osmira::workbench {

DlgInsertarGrafico::DlgInsertarGrafico(Host& host, QWidget* parent) : QDialog(parent), host_(host) {
    setObjectName(QStringLiteral("DlgInsertarGrafico"));
    setWindowTitle(QStringLiteral("Regla de Inserción"));
    setFont(dialogFont());

    auto* layout = new QVBoxLayout(this);
    // The entry joins the dialog after its keypad, which comes first in the tab order.
    entry_ = new FormulaEntryField;
    entry_->setObjectName(QStringLiteral("FormulaAInsertar"));
    layout->addWidget(new FormulaKeypad(*entry_, this));
    auto* label = new QLabel(QStringLiteral("Fórmula a insertar:"), this);
    label->setBuddy(entry_);
    layout->addWidget(label);
    entry_->setParent(this);
    entry_->setMinimumWidth(entry_->fontMetrics().averageCharWidth() * 40);
    layout->addWidget(entry_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* insertButton = new QPushButton(QStringLiteral("Insertar"), this);
    insertButton->setObjectName(QStringLiteral("Insertar"));
    insertButton->setDefault(true);
    connect(insertButton, &QPushButton::clicked, this, &DlgInsertarGrafico::insert);
    buttons->addWidget(insertButton);
    layout->addLayout(buttons);

    entry_->setFocus();
}

std::string DlgInsertarGrafico::formula() const {
    return entry_->formula();
}

// Blanks alone count as an empty entry, and the formula must pass the rule's own check, so
// that "Insertar" never hands over a formula the rule would then drop.
void DlgInsertarGrafico::insert() {
    const std::string formula = removeBlanks(entry_->formula());
    if (const std::optional<std::string> refusal = insertionRefusal(formula)) {
        host_.showMessage(this, latin1Text(*refusal),
                          formula.empty() ? QStringLiteral("Error de fórmula")
                                          : QStringLiteral("Error de sintaxis"),
                          MessageIcon::Exclamation);
        entry_->setFocus();
        return;
    }
    accept();
}

} // namespace osmira::workbench
