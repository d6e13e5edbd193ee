#pragma once

#include <QMainWindow>

#include <functional>
#include <map>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

namespace osmira::workbench {

class CChildFrame;
class DlgNavegadorInicial;
class GoalPane;
class StatusLine;

// Every command of the menus, the toolbars and the accelerators.
enum class Command {
    Nuevo,
    Abrir,
    Cerrar,
    Guardar,
    GuardarComo,
    Imprimir,
    PresentacionPreliminar,
    ConfigurarImpresora,
    Salir,
    BarraHerramientas,
    BarraEstado,
    Puntero,
    ReglaBorrado,
    ReglaInsercion,
    ReglaIteracion,
    ReglaDesiteracion,
    ReglaDobleCorte,
    // After the rules in the Diagrama menu: the next step of a solution, shown and not applied.
    Pista,
    Apariencia,
    Comentario,
    EliminarDiagramas,
    GenerarInforme,
    // Ctrl+Z, in no menu: the last step goes.
    EliminarUltimoPaso,
    TemasAyuda,
    AcercaDe,
    AyudaContextual,
    // After the designed items of the exercise menu.
    ExportarDiagrama,
    // After the designed items of the Ver menu: the goal's pane.
    VerObjetivo,
    // After the designed items of the start menu: an exercise without hypotheses.
    NuevoTeorema,
};

// The main window: menus 128 (no exercise) and 129 (an exercise open), the main toolbar, the
// rules toolbar, the status bar, the MDI area of the step windows, the navigator dock and the
// goal's pane.
// It only shows; the application decides what each command does.
class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    CMainFrame();

    QAction* action(Command command) const;
    QMdiArea& mdiArea() const { return *mdiArea_; }
    DlgNavegadorInicial& navigatorBar() const { return *navigatorBar_; }
    GoalPane& goalPane() const { return *goalPane_; }
    QToolBar& mainToolBar() const { return *mainToolBar_; }
    CChildFrame* activeStepWindow() const;

    void ShowStartMenu();
    void ShowExerciseMenu();
    bool showsExerciseMenu() const { return exerciseMenuShown_; }

    // The status bar's own line: what the tutor says of the open exercise (the hint, or the rules
    // the selection accepts), or with an empty text the idle prompt. It wraps, so that a long hint
    // shows whole; the prompts of menus and toolbar buttons cover it only while they show.
    void showStatusLine(const QString& text);
    QString statusLine() const;

    // Shows "Puntero" checked as the active step window has it.
    void syncPuntero();
    // Fills the rules toolbar the first time a step window is created.
    void loadRulesToolBar();
    // "Osmira", the exercise's file name with the modified marker, the active step's caption.
    void setDocumentName(const QString& name);
    // The exercise's unsaved changes, shown by the title's marker.
    void setExerciseModified(bool modified);
    void updateTitle();
    // Asked before the window closes; false keeps it open.
    void setCloseGuard(std::function<bool()> guard) { closeGuard_ = std::move(guard); }

  signals:
    void fileDropped(const QString& path);
    // The window is closing for good: Salir or its close button, once the exercise may go.
    void closing();
    void activeStepWindowChanged();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void buildActions();
    void buildMenus();
    void buildToolBars();
    void buildStatusBar();
    void buildNavigatorBar();
    void buildGoalPane();
    void onActiveStepWindowChanged();
    void resizeToFitTheScreen();
    void restoreSettings();
    void saveSettings() const;

    QMdiArea* mdiArea_ = nullptr;
    QToolBar* mainToolBar_ = nullptr;
    QToolBar* rulesToolBar_ = nullptr;
    DlgNavegadorInicial* navigatorBar_ = nullptr;
    GoalPane* goalPane_ = nullptr;
    StatusLine* statusLine_ = nullptr;
    std::map<Command, QAction*> actions_;
    QList<QMenu*> startMenus_;
    QList<QMenu*> exerciseMenus_;
    bool exerciseMenuShown_ = false;
    QString documentName_;
    bool exerciseModified_ = false;
    std::function<bool()> closeGuard_;
};

} // namespace osmira::workbench
