#pragma once

#include "osmira/model/drawing.h"

#include <QDialog>

class QCheckBox;
class QRadioButton;

namespace osmira::workbench {

// "Exportar diagrama": how the figure is drawn, before the file is chosen. "Estilo de impresión"
// (chosen at first) or "Aspecto de la ventana"; with the first, "Señalar el elemento marcado"
// dashes the outline of the element the rule acted on.
class DlgExportarDiagrama : public QDialog {
    Q_OBJECT

  public:
    explicit DlgExportarDiagrama(QWidget* parent = nullptr);

    FigureStyle style() const;

  private:
    QRadioButton* windowLook_ = nullptr;
    QCheckBox* showMark_ = nullptr;
};

} // namespace osmira::workbench
