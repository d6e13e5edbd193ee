#pragma once

#include <QDialog>

namespace osmira::workbench {

// "Acerca de Osmira": the program icon, name and version, the credits with a diagram drawn by
// the program, and "Aceptar".
class AboutBox : public QDialog {
    Q_OBJECT

  public:
    explicit AboutBox(QWidget* parent = nullptr);
};

} // namespace osmira::workbench
