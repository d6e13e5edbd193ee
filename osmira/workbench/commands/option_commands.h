#pragma once

#include "osmira/model/ejercicio.h"

class QWidget;

namespace osmira::workbench {

class DlgNavegador;
class Host;
class WindowWorkbench;

// The commands of "&Opciones" on an exercise with steps, each with its dialog through the host.
// The application only wires them: each answers whether it changed the exercise, so that the
// application knows to mark it modified.
class OptionCommands {
  public:
    // `navigator` may be nullptr; `parent` owns the dialogs and message boxes.
    OptionCommands(CEjercicio& exercise, Host& host, WindowWorkbench& workbench, DlgNavegador* navigator,
                   QWidget* parent);

    // "&Apariencia": the chosen colours in the exercise and in every step's graphics.
    bool apariencia();
    // "&Comentario": the comment of the step selected in the navigator, or else the
    // exercise's documentation.
    bool comentario();
    // "&Eliminar Diagramas": the chosen step becomes the last one.
    bool eliminarDiagramas();
    // Ctrl+Z: the last step goes, as "Eliminar Diagramas" on the step before it.
    bool eliminarUltimoPaso();
    // "&Generar Informe": the page and its pictures; changes nothing in the exercise.
    void generarInforme();

  private:
    bool removeStepsAfter(std::size_t keep);

    CEjercicio& exercise_;
    Host& host_;
    WindowWorkbench& workbench_;
    DlgNavegador* navigator_;
    QWidget* parent_;
};

} // namespace osmira::workbench
