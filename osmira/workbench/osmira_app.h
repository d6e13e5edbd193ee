#pragma once

#include "osmira/model/ejercicio.h"
#include "osmira/tutor/derivation_search.h"

#include "suite/file_identity.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>
#include <optional>

class QDate;

namespace osmira::workbench {

class CChildFrame;
class CMainFrame;
class HelpWindow;
class Host;
class OptionCommands;
class Printing;
class WindowWorkbench;

// The application: the one open exercise, its file and the exercise-level commands. The main
// window shows; this decides. Work is never lost silently: a modified exercise is only
// discarded after the student answers the save question.
class COsmiraApp : public QObject {
    Q_OBJECT
  public:
    explicit COsmiraApp(Host& host);
    ~COsmiraApp() override;

    CMainFrame& mainFrame() const { return *mainFrame_; }
    WindowWorkbench& workbench() const { return *workbench_; }
    CEjercicio* currentExercise() const { return currentExercise_.get(); }
    const QString& exercisePath() const { return exercisePath_; }
    bool isModified() const { return modified_; }

    void nuevo();
    // "Nuevo teorema…": an exercise without hypotheses, its conclusion proved from the empty sheet.
    void nuevoTeorema();
    void abrir();
    // Opens the file as Abrir does after its dialog (command line, dropped files).
    void openFile(const QString& path);
    bool guardar();
    bool guardarComo();
    void cerrar();
    void salir();
    void imprimir();
    void presentacionPreliminar();
    void configurarImpresora();
    void temasDeAyuda();
    void acercaDe();
    // The commands of "&Opciones" on the open exercise, and Ctrl+Z.
    void apariencia();
    void comentario();
    void eliminarDiagramas();
    void eliminarUltimoPaso();
    void generarInforme();
    // The active step as SVG or TikZ, or the whole derivation as LaTeX.
    void exportarDiagrama();
    // "Pista" on the open exercise, unless hints are switched off (hint_command.h).
    void pista();
    // The open exercise's conclusion in the goal's pane.
    void verObjetivo();

  private:
    void connectCommands();
    void ruleCommand(Rule rule);
    void puntero();
    // Asks whether to save a modified exercise; false when the student cancels or the save
    // fails, so that nothing is discarded.
    bool maySetExerciseAside();
    void closeExercise();
    // Puts the open exercise away for an empty one, created on `date`, that is yet to be saved.
    CEjercicio& startNewExercise(const QDate& date);
    // Makes the first step of the new exercise from its formulas and tells whether its goal can be
    // reached (see notDerivableNote).
    void createExercise();
    void load(const QString& path);
    bool saveTo(const QString& path);
    void showSaveError(const QString& path, const QString& reason);
    // The goal reached by a derivation whose every step follows.
    bool solved() const;
    void setModified(bool modified);
    // Enables the commands that need an open exercise, or one with steps.
    void updateCommands();
    // The final diagram of an open exercise with a conclusion; nullptr otherwise.
    COsmiraDoc* goal() const;
    // The option commands on the open exercise; nothing while it has no steps.
    std::optional<OptionCommands> optionCommands();
    // The option command on the open exercise; true when it changed the exercise.
    bool runOption(bool (OptionCommands::*command)());
    void afterRemoval();
    void onRuleCommitted();
    void showError(const QString& text);
    // The printing module; nothing, after telling the student why, when it cannot be loaded.
    Printing* printing();

    Host& host_;
    std::unique_ptr<CMainFrame> mainFrame_;
    std::unique_ptr<WindowWorkbench> workbench_;
    std::unique_ptr<CEjercicio> currentExercise_;
    // The derivation the hints follow, kept from one Pista to the next.
    Tutor tutor_;
    QString exercisePath_;
    // The file as it was opened or last saved: Guardar asks before replacing a file that
    // another program changed since.
    std::optional<suite::FileIdentity> fileIdentity_;
    bool modified_ = false;
    bool goalAnnounced_ = false;
    QPointer<HelpWindow> helpWindow_;
};

} // namespace osmira::workbench
