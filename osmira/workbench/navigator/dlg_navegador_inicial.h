#pragma once

#include <QDockWidget>

namespace osmira::workbench {

class DlgNavegador;

// The bar on the left of the main window that hosts the navigator panel while an exercise is
// open; empty otherwise, but as wide as the panel so the window does not jump.
class DlgNavegadorInicial : public QDockWidget {
    Q_OBJECT
  public:
    explicit DlgNavegadorInicial(QWidget* parent = nullptr);

    // nullptr while no exercise is open.
    DlgNavegador* panel() const;
    // A new, empty panel in the bar; any previous one is destroyed.
    DlgNavegador& openPanel();
    // Destroys the panel ("Cerrar"), leaving the bar empty.
    void closePanel();

  private:
    void replaceBody(QWidget* body);
};

} // namespace osmira::workbench
