#pragma once

#include "osmira/model/ejercicio.h"
#include "osmira/model/osmira_doc.h"
#include "osmira/model/rule.h"

#include <QString>
#include <QWidget>

#include <vector>

class QPlainTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace osmira::workbench {

// The label of a rule entry ("Borramiento (R1)" …); empty for Rule::None.
QString ruleLabel(Rule rule);

// The panel's width in the widget's font: 131 dialog units, or more where a rule label needs it.
int navigatorWidth(const QWidget& widget);

// The navigator: the exercise at the root, one entry per step in sequence order and, under each
// step a rule was applied from, the rule's entry; below it the comment of the selected entry.
// Entries only refer to the steps; the exercise owns them.
class DlgNavegador : public QWidget {
    Q_OBJECT
  public:
    // Shown after a step's text on its entry once the step shows the final diagram.
    static const QString kGoalMark;

    explicit DlgNavegador(QWidget* parent = nullptr);

    // The root and the step's entry, replacing whatever the tree held.
    void Open(CEjercicio& exercise, COsmiraDoc& step);
    // The rule's entry under the last step entry, then the step's own entry.
    void AddStep(COsmiraDoc& step, Rule rule);
    // The step's rule entry, then its step entry (with what hangs under it).
    void RemoveStep(COsmiraDoc& step);
    // The tree the exercise's steps would have built one by one.
    void rebuild(CEjercicio& exercise);
    void RefreshComment();
    COsmiraDoc* SelectedStep() const { return selectedStep_; }
    void markGoalReached(COsmiraDoc& step);

    QTreeWidget& tree() const { return *tree_; }
    QPlainTextEdit& commentBox() const { return *commentBox_; }
    // The entry of a step of the panel, or nullptr.
    QTreeWidgetItem* stepItem(const COsmiraDoc& step) const;

  signals:
    void stepActivated(COsmiraDoc* step);

  private:
    // What the panel knows of one step: the entries that stand for it.
    struct StepEntries {
        COsmiraDoc* step = nullptr;
        QTreeWidgetItem* stepItem = nullptr;
        QTreeWidgetItem* ruleItem = nullptr; // the rule that produced the step, under the previous one
    };

    void clearTree();
    // An empty tree with the exercise's root.
    void openRoot(CEjercicio& exercise);
    QTreeWidgetItem* insertStepItem(COsmiraDoc& step);
    QTreeWidgetItem* insertRuleItem(QTreeWidgetItem& parent, Rule rule);
    void setGoalMark(COsmiraDoc* step);
    std::vector<StepEntries>::iterator entriesOf(const COsmiraDoc& step);
    COsmiraDoc* stepOf(const QTreeWidgetItem* item) const;
    void onSelectionChanged();
    void onItemDoubleClicked(QTreeWidgetItem* item);
    void showComment(const std::string& latin1);

    QTreeWidget* tree_;
    QPlainTextEdit* commentBox_;
    CEjercicio* exercise_ = nullptr;
    QTreeWidgetItem* root_ = nullptr;
    std::vector<StepEntries> entries_; // in sequence order; the last is the last step entry
    COsmiraDoc* selectedStep_ = nullptr;
    COsmiraDoc* markedStep_ = nullptr;
};

} // namespace osmira::workbench
