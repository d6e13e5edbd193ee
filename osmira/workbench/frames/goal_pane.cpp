#include "goal_pane.h"

#include "osmira/model/layout.h"

#include "osmira_view.h"

#include <QAction>
#include <QMainWindow>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace osmira::workbench {

GoalPane::GoalPane(QWidget* parent) : QDockWidget(parent) {
    setObjectName(QStringLiteral("Objetivo"));
    setWindowTitle(QStringLiteral("Objetivo"));
    // Only a goal is ever shown: the window's menu of bars cannot open the pane empty.
    toggleViewAction()->setEnabled(false);
}

void GoalPane::showGoal(COsmiraDoc& goal, Host& host) {
    delete widget();
    auto* shown = new COsmiraView(goal, host, this);
    shown->setAccessibleName(QStringLiteral("Diagrama final"));
    setWidget(shown);
    toggleViewAction()->setEnabled(true);
    show();
    raise();
    if (auto* window = qobject_cast<QMainWindow*>(parentWidget())) {
        window->resizeDocks({this}, {fittingWidth()}, Qt::Horizontal);
    }
}

void GoalPane::forget() {
    hide();
    toggleViewAction()->setEnabled(false);
    delete widget();
}

COsmiraView* GoalPane::view() const {
    return qobject_cast<COsmiraView*>(widget());
}

int GoalPane::fittingWidth() const {
    const COsmiraView* shown = view();
    const COsmiraDoc* goal = shown != nullptr ? shown->document() : nullptr;
    if (goal == nullptr || goal->GetElements().empty() ||
        goal->GetElements().front()->GetGraphic() == nullptr) {
        return width();
    }
    const int sheet = goal->GetElements().front()->GetGraphic()->GetRect().right + layout::kOrigin;
    const int chrome = shown->verticalScrollBar()->sizeHint().width() + 2 * shown->frameWidth() +
                       2 * style()->pixelMetric(QStyle::PM_DockWidgetFrameWidth, nullptr, this);
    const int room = parentWidget() != nullptr ? parentWidget()->width() / 3 : sheet + chrome;
    return std::min(sheet + chrome, room);
}

} // namespace osmira::workbench
