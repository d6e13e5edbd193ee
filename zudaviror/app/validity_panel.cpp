#include "validity_panel.h"

#include "countermodel_window.h"
#include "display.h"
#include "tableau_window.h"

#include "suite/latin1.h"
#include "suite/question_progress.h"
#include "zudaviror/messages.h"
#include "zudaviror/validity_question.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace zudaviror::app {

ValidityPanel::ValidityPanel(Host& host, LogSession& log, std::function<std::string()> formula,
                             QWidget* parent)
    : QWidget(parent), host_(host), log_(log), formula_(std::move(formula)) {
    setObjectName(QStringLiteral("VALIDEZ"));
    systemChooser_ = new QComboBox(this);
    systemChooser_->setObjectName(QStringLiteral("SISTEMA"));
    // It would take typed letters for a search of its items: typing belongs to the keypad.
    systemChooser_->setFocusPolicy(Qt::NoFocus);
    systemChooser_->setToolTip(QStringLiteral("El sistema en que se pregunta si la fórmula es válida"));
    for (const ModalSystem system : modalSystems()) {
        systemChooser_->addItem(QString::fromStdString(systemDescription(system)));
    }
    askKey_ = new QPushButton(QStringLiteral("¿Es válida?"), this);
    askKey_->setObjectName(QStringLiteral("VALIDA"));
    askKey_->setToolTip(
        QStringLiteral("Decide con un tablero si la fórmula es válida en el sistema elegido"));
    answer_ = new QLabel(this);
    answer_->setObjectName(QStringLiteral("RESPUESTA"));
    // A reason can be long (a module's path): it takes more lines, never more width.
    answer_->setWordWrap(true);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(systemChooser_, 0, Qt::AlignTop);
    row->addWidget(askKey_, 0, Qt::AlignTop);
    row->addWidget(answer_, 1);
    tableauKey_ = new QPushButton(QStringLiteral("Tablero…"), this);
    tableauKey_->setObjectName(QStringLiteral("VER_TABLERO"));
    tableauKey_->setToolTip(
        QStringLiteral("Muestra el tablero que decidió la respuesta: cerrado si la fórmula es "
                       "válida, con la rama abierta del contramodelo si no lo es"));
    tableauKey_->setEnabled(false);
    row->addWidget(tableauKey_, 0, Qt::AlignTop);
    connect(askKey_, &QPushButton::clicked, this, &ValidityPanel::askValidityCommand);
    connect(tableauKey_, &QPushButton::clicked, this, &ValidityPanel::showTableauCommand);
    connect(systemChooser_, &QComboBox::currentIndexChanged, this, &ValidityPanel::keepAnswerCurrent);
}

void ValidityPanel::keepAnswerCurrent() {
    if (answeredSystem_ >= 0 &&
        (formula_() != answeredFormula_ || systemChooser_->currentIndex() != answeredSystem_)) {
        answeredSystem_ = -1;
        answer_->clear();
        tableauKey_->setEnabled(false);
        if (tableauWindow_ != nullptr) {
            tableauWindow_->hide();
        }
        showCountermodel({}, nullptr);
    }
}

void ValidityPanel::askValidityCommand() {
    const std::string K = formula_();
    const ModalSystem system = modalSystems().at(static_cast<std::size_t>(systemChooser_->currentIndex()));
    ValidityOutcome outcome;
    suite::askShowingProgress(
        window(), QStringLiteral("Construyendo el tablero…"), [&](std::stop_token stop) {
            outcome = askValidity(K, system, suite::kDefaultProverTimeLimit, std::move(stop));
        });
    if (outcome.translation.status == TransStatus::OutOfMemory) {
        host_.showMessage(latin1Text(messages::kOutOfMemory));
        host_.endProgram(-1);
        return;
    }
    if (!outcome.translation.translated()) {
        host_.showMessage(latin1Text(outcome.translation.message));
        return;
    }
    const std::string answer = suite::verdictLine(outcome.answer.verdict);
    answer_->setText(QString::fromStdString(std::string(systemName(system)) + ": " + answer));
    answeredFormula_ = K;
    answeredSystem_ = systemChooser_->currentIndex();
    tableau_ = std::move(outcome.tableau);
    tableauKey_->setEnabled(!tableau_.nodes.empty());
    if (tableauWindow_ != nullptr && tableauWindow_->isVisible()) {
        showTableauCommand();
    }
    const KripkeModel* model = outcome.answer.countermodel ? &*outcome.answer.countermodel : nullptr;
    showCountermodel(K, model);
    log_.appendValidityRecord(
        K, suite::latin1FromUtf8(systemDescription(system)), suite::latin1FromUtf8(answer),
        model != nullptr ? suite::latin1FromUtf8(countermodelText(*model, CountermodelSigns::Codes)) : "");
}

void ValidityPanel::showTableauCommand() {
    if (tableauWindow_ == nullptr) {
        tableauWindow_ = new TableauWindow(host_, window());
    }
    tableauWindow_->showTableau(tableau_);
}

void ValidityPanel::showCountermodel(const std::string& K, const KripkeModel* model) {
    if (model == nullptr) {
        if (countermodelWindow_ != nullptr) {
            countermodelWindow_->hide();
        }
        return;
    }
    if (countermodelWindow_ == nullptr) {
        countermodelWindow_ = new CountermodelWindow(window());
    }
    countermodelWindow_->showCountermodel(K, *model);
}

} // namespace zudaviror::app
