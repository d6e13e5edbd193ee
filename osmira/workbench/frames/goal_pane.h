#pragma once

#include "osmira/model/osmira_doc.h"

#include <QDockWidget>

namespace osmira::workbench {

class COsmiraView;
class Host;

// "Objetivo": the exercise's final diagram, the one its steps must reach, drawn by a step view in
// a pane beside the step windows, so that the goal stays in sight while the student works. Its
// elements are selected and read out as a step's are; no rule applies to it, since rules go to
// the active step window.
class GoalPane : public QDockWidget {
    Q_OBJECT
  public:
    explicit GoalPane(QWidget* parent = nullptr);

    // Shows the goal in the pane, in place of whatever it showed, and brings the pane forward.
    void showGoal(COsmiraDoc& goal, Host& host);
    // The exercise is going: the pane lets go of its goal and hides until it is shown another one.
    void forget();
    // nullptr while the pane shows no goal.
    COsmiraView* view() const;

  private:
    // As wide as the goal's sheet with its margin, within a third of the main window.
    int fittingWidth() const;
};

} // namespace osmira::workbench
