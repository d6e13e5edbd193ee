#pragma once

#include "osmira/model/workbench_operations.h"

#include <QObject>
#include <QPointer>

#include <unordered_map>

class QMdiArea;

namespace osmira::workbench {

class CChildFrame;
class DlgNavegador;
class DlgNavegadorInicial;
class Host;

// What the exercise asks of the windows, done with step windows in the main window's MDI
// area, the navigator in its dock and the two rule dialogs.
class WindowWorkbench : public QObject, public WorkbenchOperations {
    Q_OBJECT
  public:
    WindowWorkbench(QMdiArea& area, DlgNavegadorInicial& navigatorBar, Host& host);

    void OpenWindow(COsmiraDoc& step) override;
    void closeWindow(COsmiraDoc& step) override;
    void repaintView(COsmiraDoc& step) override;
    void openNavigator(CEjercicio& exercise, COsmiraDoc& step) override;
    void addNavigatorStep(COsmiraDoc& step, Rule rule) override;
    void removeNavigatorStep(COsmiraDoc& step) override;
    void rebuildNavigator(CEjercicio& exercise) override;
    std::optional<std::string> askFormulaToInsert() override;
    DoubleCutPosition askDoubleCutPosition() override;
    void showRefusal(const std::string& message) override;

    // The step's window, or nullptr when it is closed.
    CChildFrame* frameOf(const COsmiraDoc& step) const;
    // Closes every step window of the exercise and the navigator, before the exercise goes.
    void closeExercise(const CEjercicio& exercise);

  signals:
    void stepWindowCreated(CChildFrame* frame);
    void ruleCommitted();
    // The student or a hint selected an element of the step.
    void selectionChanged(COsmiraDoc& step);

  private:
    DlgNavegador* navigator() const;
    DlgNavegador& openNavigatorPanel();

    QMdiArea& area_;
    DlgNavegadorInicial& navigatorBar_;
    Host& host_;
    std::unordered_map<const COsmiraDoc*, QPointer<CChildFrame>> frames_;
};

} // namespace osmira::workbench
