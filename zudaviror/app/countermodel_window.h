#pragma once

#include "zudaviror/countermodel_evaluation.h"
#include "zudaviror/kripke_model.h"

#include <QTableWidget>
#include <QWidget>

#include <string>
#include <vector>

namespace zudaviror::app {

class CountermodelView;

// Why the formula fails in its countermodel: a row per subformula, parts before wholes, a column
// per world, "V" or "F" in each cell. The whole formula's row and the failing world's column are
// in bold on grey, so that they stand out on paper in black and white too.
class TruthTable : public QTableWidget {
    Q_OBJECT
  public:
    explicit TruthTable(QWidget* parent = nullptr);

    void showValues(const std::vector<SubformulaValues>& rows, std::size_t failingWorld);

    QSize sizeHint() const override;
};

// The tool window "CONTRAMODELO": the drawing of a countermodel and, beside it, the truth table
// of the formula it refutes.
class CountermodelWindow : public QWidget {
    Q_OBJECT
  public:
    explicit CountermodelWindow(QWidget* parent);

    // Shows the window with model and the values in it of the keypad formula K.
    void showCountermodel(const std::string& K, const KripkeModel& model);

    CountermodelView* view() const { return view_; }

  private:
    CountermodelView* view_ = nullptr;
    TruthTable* truthTable_ = nullptr;
};

} // namespace zudaviror::app
