#pragma once

#include "countermodel_layout.h"

#include "zudaviror/kripke_model.h"

#include <QWidget>

namespace zudaviror::app {

// The countermodel of "¿Es válida?" drawn small, as layOutCountermodel places it: worlds as
// numbered circles, the accessibility relation as arrows and loops, the letters true in each world
// beside it, the world where the formula fails in red with a double line, and a legend under it.
class CountermodelView : public QWidget {
    Q_OBJECT
  public:
    explicit CountermodelView(QWidget* parent = nullptr);

    void showModel(const KripkeModel& model);
    const KripkeModel& model() const { return model_; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void layOut();

    KripkeModel model_;
    CountermodelLayout layout_;
};

} // namespace zudaviror::app
