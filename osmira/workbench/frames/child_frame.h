#pragma once

#include "osmira/model/osmira_doc.h"
#include "osmira/model/rule.h"

#include <QMdiSubWindow>
#include <QSize>

class QCloseEvent;

namespace osmira::workbench {

class COsmiraView;
class Host;

// The window of one step inside the main window: its view and the "Puntero" and rule commands
// for its own step. Closing it by hand leaves the step alive; destroying the step detaches it.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT

  public:
    CChildFrame(COsmiraDoc& document, Host& host, QWidget* parent = nullptr);

    COsmiraView* view() const { return view_; }
    // Nullptr once detached or closed.
    COsmiraDoc* document() const { return document_; }
    bool punteroChecked() const { return punteroChecked_; }

    // "Puntero": back to selecting.
    void puntero();
    // R1 to R5; for the iteration only the first half, the place is the next click in the view.
    void ruleCommand(Rule rule);
    // The step is being destroyed: the frame forgets it and closes.
    void detach();

    QSize sizeHint() const override;

  signals:
    // A rule, from a command or from an iteration's place click, made a new step.
    void ruleCommitted();
    // The student closed the window; the step survives. The frame deletes itself afterwards.
    void closedByUser(COsmiraDoc* document);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void showExclamation(const QString& text);
    void forgetDocument();

    COsmiraDoc* document_;
    Host& host_;
    COsmiraView* view_;
    bool punteroChecked_ = true;
};

} // namespace osmira::workbench
