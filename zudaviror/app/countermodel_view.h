#pragma once

#include "zudaviror/kripke_model.h"

#include <QWidget>

namespace zudaviror::app {

// The countermodel of "¿Es válida?" drawn small: worlds as circles on a ring, the accessibility
// relation as arrows (a loop for a world that sees itself), the letters true in each world
// beside it, and the world where the formula fails drawn in red with a double line.
class CountermodelView : public QWidget {
    Q_OBJECT
  public:
    explicit CountermodelView(QWidget* parent = nullptr);

    void showModel(const KripkeModel& model);
    const KripkeModel& model() const { return model_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPointF worldCentre(std::size_t world) const;

    KripkeModel model_;
};

} // namespace zudaviror::app
