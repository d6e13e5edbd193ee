#pragma once

#include "osmira/model/rule.h"

#include <QDialog>

namespace osmira::workbench {

// Inserción de "Doble Corte": whether the double cut goes inside the selected graph or around
// it. The rule goes on however the dialog ends, so the position is always an answer.
class DlgInsertarDobleCorte : public QDialog {
    Q_OBJECT

  public:
    explicit DlgInsertarDobleCorte(QWidget* parent = nullptr);

    DoubleCutPosition position() const { return position_; }

  private:
    DoubleCutPosition position_ = DoubleCutPosition::Inside;
};

} // namespace osmira::workbench
