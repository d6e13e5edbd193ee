#include "dlg_toma_formulas.h"

#include "osmira/formula/formula_entry.h"
#include "osmira/formula/formula_syntax.h"
#include "osmira/texts/messages.h"

#include "display_text.h"
#include "formula_dialog_support.h"
#include "formula_entry_field.h"
#include "host.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <vector>

namespace osmira::workbench {

namespace {

const QColor kMarkedBackground(30, 175, 230);

QPushButton* addButton(QBoxLayout& layout, const QString& text, const QString& objectName, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    layout.addWidget(button);
    return button;
}

} // namespace

DlgTomaFormulas::DlgTomaFormulas(Host& host, QWidget* parent) : QDialog(parent), host_(host) {
    setObjectName(QStringLiteral("DlgTomaFormulas"));
    setWindowTitle(QStringLiteral("Fórmulas del ejercicio"));
    setFont(dialogFont());

    auto* layout = new QVBoxLayout(this);
    entry_ =
        &addFormulaEntry(*this, *layout, QStringLiteral("NuevaFormula"), QStringLiteral("Nueva fórmula:"));

    layout->addWidget(new QLabel(QStringLiteral("Hipótesis Introducidas:"), this));
    auto* rows = new QGridLayout;
    markers_ = new QButtonGroup(this);
    for (int row = 0; row < kRows; ++row) {
        auto* marker = new QRadioButton(this);
        marker->setObjectName(QStringLiteral("MarcaHipotesis%1").arg(row + 1));
        markers_->addButton(marker, row);
        lines_[static_cast<std::size_t>(row)] =
            createFormulaLine(QStringLiteral("Hipotesis%1").arg(row + 1), this);
        rows->addWidget(marker, row, 0);
        rows->addWidget(lines_[static_cast<std::size_t>(row)], row, 1);
    }
    layout->addLayout(rows);
    unmarkedPalette_ = lines_[0]->palette();
    connect(markers_, &QButtonGroup::idClicked, this, &DlgTomaFormulas::markRow);

    layout->addWidget(new QLabel(QStringLiteral("Conclusión:"), this));
    conclusionLine_ = createFormulaLine(QStringLiteral("Conclusion"), this);
    layout->addWidget(conclusionLine_);

    addButtons(*layout);
    entry_->setFocus();
}

// The rows of buttons under the formulas: hypotheses, conclusion, then Aceptar and Cancelar.
void DlgTomaFormulas::addButtons(QVBoxLayout& layout) {
    auto* hypothesisButtons = new QHBoxLayout;
    connect(addButton(*hypothesisButtons, QStringLiteral("Añadir Hipótesis"),
                      QStringLiteral("AnadirHipotesis"), this),
            &QPushButton::clicked, this, &DlgTomaFormulas::addHypothesis);
    connect(addButton(*hypothesisButtons, QStringLiteral("Editar Hipótesis"),
                      QStringLiteral("EditarHipotesis"), this),
            &QPushButton::clicked, this, &DlgTomaFormulas::editHypothesis);
    connect(addButton(*hypothesisButtons, QStringLiteral("Eliminar Hipótesis"),
                      QStringLiteral("EliminarHipotesis"), this),
            &QPushButton::clicked, this, &DlgTomaFormulas::deleteHypothesis);
    layout.addLayout(hypothesisButtons);
    auto* conclusionButtons = new QHBoxLayout;
    connect(addButton(*conclusionButtons, QStringLiteral("Añadir Conclusión"),
                      QStringLiteral("AnadirConclusion"), this),
            &QPushButton::clicked, this, &DlgTomaFormulas::addConclusion);
    connect(addButton(*conclusionButtons, QStringLiteral("Editar Conclusión"),
                      QStringLiteral("EditarConclusion"), this),
            &QPushButton::clicked, this, &DlgTomaFormulas::editConclusion);
    connect(addButton(*conclusionButtons, QStringLiteral("Eliminar Conclusión"),
                      QStringLiteral("EliminarConclusion"), this),
            &QPushButton::clicked, this, &DlgTomaFormulas::deleteConclusion);
    layout.addLayout(conclusionButtons);

    auto* endButtons = new QHBoxLayout;
    endButtons->addStretch();
    QPushButton* accept = addButton(*endButtons, QStringLiteral("Aceptar"), QStringLiteral("Aceptar"), this);
    accept->setDefault(true);
    connect(accept, &QPushButton::clicked, this, &DlgTomaFormulas::accept);
    connect(addButton(*endButtons, QStringLiteral("Cancelar"), QStringLiteral("Cancelar"), this),
            &QPushButton::clicked, this, &DlgTomaFormulas::reject);
    layout.addLayout(endButtons);
}

std::array<std::string, 6> DlgTomaFormulas::hypotheses() const {
    std::array<std::string, 6> formulas;
    for (std::size_t row = 0; row < formulas.size(); ++row) {
        formulas[row] = formulaBytes(lines_[row]->text());
    }
    return formulas;
}

std::string DlgTomaFormulas::conclusion() const {
    return formulaBytes(conclusionLine_->text());
}

// Checks what the new exercise will convert, the hypotheses joined into one formula included,
// so that a set of formulas accepted here is never refused when the exercise is created.
void DlgTomaFormulas::accept() {
    const std::array<std::string, 6> rows = hypotheses();
    const std::vector<std::string> rowFormulas(rows.begin(), rows.end());
    if (const std::optional<std::string> refusal = checkExerciseFormulas(rowFormulas, conclusion())) {
        warn(latin1Text(*refusal), *refusal == messages::kNoHypothesis ? QStringLiteral("Error de hipótesis")
                                                                       : QStringLiteral("Error de sintaxis"));
        entry_->setFocus();
        return;
    }
    QDialog::accept();
}

void DlgTomaFormulas::addHypothesis() {
    const int slot = firstFreeSlot();
    if (slot == 0) {
        warn(QStringLiteral(
                 "Todas las casillas de hipótesis están ocupadas, si desea añadir una nueva hipótesis "
                 "deberá eliminar antes una de las hipótesis ya introducidas"),
             QStringLiteral("Exceso de hipótesis"));
        return;
    }
    std::string formula;
    if (takeEntry(formula)) {
        lines_[static_cast<std::size_t>(slot - 1)]->setText(displayFormula(formula));
    }
}

void DlgTomaFormulas::editHypothesis() {
    if (markedSlot_ == 0) {
        warn(QStringLiteral("Debe seleccionar la hipótesis que desea editar"),
             QStringLiteral("Error de selección"));
        return;
    }
    QLineEdit& line = *lines_[static_cast<std::size_t>(markedSlot_ - 1)];
    unmark();
    moveIntoEntry(line);
}

void DlgTomaFormulas::deleteHypothesis() {
    if (markedSlot_ == 0) {
        warn(QStringLiteral("Debe seleccionar la hipótesis que desea eliminar"),
             QStringLiteral("Error de selección"));
        return;
    }
    lines_[static_cast<std::size_t>(markedSlot_ - 1)]->clear();
    unmark();
    entry_->setFocus();
}

void DlgTomaFormulas::addConclusion() {
    if (!conclusionLine_->text().isEmpty()) {
        warn(
            QStringLiteral("Ya existe una conclusión anterior. Si desea introducir una nueva deberá eliminar "
                           "primero la conclusión anterior."),
            QStringLiteral("Conclusión existente"));
        return;
    }
    std::string formula;
    if (takeEntry(formula)) {
        conclusionLine_->setText(displayFormula(formula));
    }
}

void DlgTomaFormulas::editConclusion() {
    if (conclusionLine_->text().isEmpty()) {
        warn(QStringLiteral("No existe una conclusión guardada. No se ha podido editar ninguna conclusión."),
             QStringLiteral("Conclusión inexistente"));
        return;
    }
    moveIntoEntry(*conclusionLine_);
}

void DlgTomaFormulas::deleteConclusion() {
    if (conclusionLine_->text().isEmpty()) {
        warn(
            QStringLiteral("No existe una conclusión guardada. No se ha podido eliminar ninguna conclusión."),
            QStringLiteral("Conclusión inexistente"));
        return;
    }
    conclusionLine_->clear();
    entry_->setFocus();
}

void DlgTomaFormulas::markRow(int row) {
    unmark();
    QLineEdit& line = *lines_[static_cast<std::size_t>(row)];
    if (line.text().isEmpty()) {
        return;
    }
    QPalette marked = unmarkedPalette_;
    marked.setColor(QPalette::Base, kMarkedBackground);
    line.setPalette(marked);
    markedSlot_ = row + 1;
    markers_->button(row)->setChecked(true);
}

int DlgTomaFormulas::firstFreeSlot() const {
    for (int row = 0; row < kRows; ++row) {
        if (lines_[static_cast<std::size_t>(row)]->text().isEmpty()) {
            return row + 1;
        }
    }
    return 0;
}

// An entry of blanks only stores nothing, says why and is emptied. The stored formula holds no
// blanks, as the exercise requires; a refused one is shown with the cause the core names.
bool DlgTomaFormulas::takeEntry(std::string& formula) {
    formula = removeBlanks(entry_->formula());
    if (const std::optional<std::string> refusal = formulaEntryRefusal(formula)) {
        if (formula.empty()) {
            entry_->clear();
        }
        warn(latin1Text(*refusal), entryRefusalCaption(formula));
        entry_->setFocus();
        return false;
    }
    entry_->clear();
    entry_->setFocus();
    return true;
}

// Restores the background of the marked row and leaves no row marked, also on the markers.
void DlgTomaFormulas::unmark() {
    if (markedSlot_ != 0) {
        lines_[static_cast<std::size_t>(markedSlot_ - 1)]->setPalette(unmarkedPalette_);
    }
    markedSlot_ = 0;
    markers_->setExclusive(false);
    for (QAbstractButton* marker : markers_->buttons()) {
        marker->setChecked(false);
    }
    markers_->setExclusive(true);
}

void DlgTomaFormulas::moveIntoEntry(QLineEdit& line) {
    const std::string formula = formulaBytes(line.text());
    line.clear();
    entry_->setFormula(formula);
    entry_->setFocus();
}

void DlgTomaFormulas::warn(const QString& text, const QString& caption) {
    host_.showMessage(this, text, caption, MessageIcon::Exclamation);
}

} // namespace osmira::workbench
