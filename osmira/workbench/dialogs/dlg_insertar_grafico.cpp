#include "dlg_insertar_grafico.h"

#include "osmira/formula/formula_entry.h"
#include "osmira/formula/formula_syntax.h"
#include "osmira/texts/messages.h"

#include "formula_dialog_support.h"
#include "formula_entry_field.h"
#include "host.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace osmira::workbench {

DlgInsertarGrafico::DlgInsertarGrafico(Host& host, QWidget* parent) : QDialog(parent), host_(host) {
    setObjectName(QStringLiteral("DlgInsertarGrafico"));
    setWindowTitle(QStringLiteral("Regla de Inserción"));
    setFont(dialogFont());

    auto* layout = new QVBoxLayout(this);
    entry_ = &addFormulaEntry(*this, *layout, QStringLiteral("FormulaAInsertar"),
                              QStringLiteral("Fórmula a insertar:"));
    entry_->setMinimumWidth(entry_->fontMetrics().averageCharWidth() * 40);

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
        host_.showMessage(this, latin1Text(*refusal), entryRefusalCaption(formula), MessageIcon::Exclamation);
        entry_->setFocus();
        return;
    }
    accept();
}

} // namespace osmira::workbench
