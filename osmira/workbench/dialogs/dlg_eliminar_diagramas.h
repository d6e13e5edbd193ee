#pragma once

#include "osmira/model/ejercicio.h"

#include <QDialog>

#include <optional>

class QComboBox;

namespace osmira::workbench {

// "Eliminar Diagramas": the step from which on the later steps are removed. The list holds
// the steps in sequence order (also past Paso 99, where titles no longer sort so) and cannot
// be typed into, so every choice names one step.
class DlgEliminarDiagramas : public QDialog {
    Q_OBJECT

  public:
    explicit DlgEliminarDiagramas(const CEjercicio& exercise, QWidget* parent = nullptr);

    // The chosen step's position in the sequence, or nothing.
    std::optional<std::size_t> chosenStep() const;

  private:
    QComboBox* steps_ = nullptr;
};

} // namespace osmira::workbench
