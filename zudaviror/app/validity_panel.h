#pragma once

#include "host.h"

#include "zudaviror/kripke_model.h"
#include "zudaviror/log_session.h"
#include "zudaviror/tableau.h"

#include <QWidget>

#include <functional>
#include <string>

class QComboBox;
class QLabel;
class QPushButton;

namespace zudaviror::app {

class CountermodelWindow;
class TableauWindow;

// "¿Es válida?" under the designed keys: the system chooser, the key and the answer. A formula
// that is not valid gets its countermodel drawn in a small window of its own, with the truth value
// of each subformula at each of its worlds; "Tablero…" shows the tableau that decided it; while a
// log session is open every answer is also appended to the log.
class ValidityPanel : public QWidget {
    Q_OBJECT
  public:
    ValidityPanel(Host& host, LogSession& log, std::function<std::string()> formula, QWidget* parent);

    // The window of the last countermodel, made when the first one is shown.
    CountermodelWindow* countermodelWindow() const { return countermodelWindow_; }
    // The window of the last answer's tableau, made when "Tablero…" is first pressed.
    TableauWindow* tableauWindow() const { return tableauWindow_; }

    // Called whenever the formula may have changed: an answer, and its countermodel, stay only
    // while they are about the formula and the system shown.
    void keepAnswerCurrent();

  public slots:
    void askValidityCommand();
    void showTableauCommand();

  private:
    void showCountermodel(const std::string& K, const KripkeModel* model);

    Host& host_;
    LogSession& log_;
    std::function<std::string()> formula_;
    QComboBox* systemChooser_ = nullptr;
    QPushButton* askKey_ = nullptr;
    QLabel* answer_ = nullptr;
    QPushButton* tableauKey_ = nullptr;
    CountermodelWindow* countermodelWindow_ = nullptr;
    TableauWindow* tableauWindow_ = nullptr;
    Tableau tableau_; // the last answer's
    // The formula and the system the answer shown is about.
    std::string answeredFormula_;
    int answeredSystem_ = -1;
};

} // namespace zudaviror::app
