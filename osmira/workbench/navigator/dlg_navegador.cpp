#include "dlg_navegador.h"

#include "osmira/check/derivation_check.h"
#include "osmira/model/ejercicio.h"
#include "osmira/model/osmira_doc.h"

#include "navigator_icons.h"

#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <QVBoxLayout>

#include <algorithm>

namespace osmira::workbench {

const QString DlgNavegador::kGoalMark = QStringLiteral(" \u2713 resuelto");

QString ruleLabel(Rule rule) {
    switch (rule) {
    case Rule::Erasure:
        return QStringLiteral("Borramiento (R1)");
    case Rule::Insertion:
        return QStringLiteral("Inserci\u00f3n (R2)");
    case Rule::Iteration:
        return QStringLiteral("Iteraci\u00f3n (R3)");
    case Rule::Deiteration:
        return QStringLiteral("Desiteraci\u00f3n (R4)");
    case Rule::DoubleCut:
        return QStringLiteral("Doble Corte (R5)");
    case Rule::None:
        break;
    }
    return {};
}

int navigatorWidth(const QWidget& widget) {
    // 131 dialog units, a dialog unit being a quarter of the average character width; but wide
    // enough that the longest rule label shows whole: three indentations deep (root decorated,
    // under a step), beside its image, with the tree's frame and scroll bar and the margins.
    constexpr int kDialogUnits = 131;
    constexpr int kImage = 16;
    constexpr int kRounding = 4; // text widths measured and drawn may differ by a pixel or two
    const QStyle& style = *widget.style();
    // The image and the text each get the focus frame's margin plus one on both sides.
    const int itemMargins = 4 * (style.pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &widget) + 1);
    const int beside = 3 * style.pixelMetric(QStyle::PM_TreeViewIndentation, nullptr, &widget) + kImage +
                       itemMargins + kRounding +
                       style.pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &widget) +
                       2 * style.pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &widget) +
                       style.pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, &widget) +
                       style.pixelMetric(QStyle::PM_LayoutRightMargin, nullptr, &widget);
    const QFontMetrics metrics = widget.fontMetrics();
    return std::max(kDialogUnits * metrics.averageCharWidth() / 4,
                    metrics.horizontalAdvance(ruleLabel(Rule::Deiteration)) + beside);
}

DlgNavegador::DlgNavegador(QWidget* parent)
    : QWidget(parent), tree_(new QTreeWidget(this)), commentBox_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("DlgNavegador"));

    auto* navigatorLabel = new QLabel(QStringLiteral("NAVEGADOR:"), this);
    navigatorLabel->setObjectName(QStringLiteral("navigatorLabel"));
    navigatorLabel->setBuddy(tree_);
    auto* commentLabel = new QLabel(QStringLiteral("COMENTARIO:"), this);
    commentLabel->setObjectName(QStringLiteral("commentLabel"));
    commentLabel->setBuddy(commentBox_);

    tree_->setObjectName(QStringLiteral("navigatorTree"));
    tree_->setColumnCount(1);
    tree_->setHeaderHidden(true);
    tree_->setRootIsDecorated(true);
    tree_->setItemsExpandable(true);
    // A double-click opens a step's window; folding the entry as well would hide its rule.
    tree_->setExpandsOnDoubleClick(false);
    tree_->setSortingEnabled(false);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setIconSize(QSize(16, 16));
    tree_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    // Long titles scroll sideways rather than being cut short.
    tree_->header()->setStretchLastSection(false);
    tree_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);

    commentBox_->setObjectName(QStringLiteral("commentBox"));
    commentBox_->setReadOnly(true);
    commentBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    commentBox_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    commentBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(navigatorLabel);
    layout->addWidget(tree_, 2);
    layout->addWidget(commentLabel);
    layout->addWidget(commentBox_, 1);
    setMinimumWidth(navigatorWidth(*this));

    connect(tree_, &QTreeWidget::itemSelectionChanged, this, &DlgNavegador::onSelectionChanged);
    connect(tree_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item, int) { onItemDoubleClicked(item); });
}

void DlgNavegador::Open(CEjercicio& exercise, COsmiraDoc& step) {
    openRoot(exercise);
    insertStepItem(step);
    root_->setExpanded(true);
    RefreshComment();
}

void DlgNavegador::AddStep(COsmiraDoc& step, Rule rule) {
    if (exercise_ == nullptr) {
        return;
    }
    if (entriesOf(step) == entries_.end()) {
        // A new last step may no longer show the final diagram; whoever checks marks it again.
        setGoalMark(nullptr);
        QTreeWidgetItem* ruleItem = nullptr;
        if (!entries_.empty()) {
            ruleItem = insertRuleItem(*entries_.back().stepItem, rule);
        }
        insertStepItem(step);
        entries_.back().ruleItem = ruleItem;
    }
    tree_->scrollToItem(entriesOf(step)->stepItem);
}

void DlgNavegador::RemoveStep(COsmiraDoc& step) {
    const auto found = entriesOf(step);
    if (found == entries_.end()) {
        return;
    }
    const StepEntries removed = *found;
    // Forgotten before the tree lets go of the entries, so that the selection the tree moves
    // while deleting never reaches this step.
    entries_.erase(found);
    const bool wasSelected = selectedStep_ == &step;
    if (wasSelected) {
        selectedStep_ = nullptr;
    }
    if (markedStep_ == &step) {
        markedStep_ = nullptr;
    }
    // The rule entry of the next step hangs under this step's entry and goes with it.
    for (StepEntries& entries : entries_) {
        if (entries.ruleItem != nullptr && entries.ruleItem->parent() == removed.stepItem) {
            entries.ruleItem = nullptr;
        }
    }
    delete removed.ruleItem;
    delete removed.stepItem;
    if (wasSelected) {
        RefreshComment();
    }
}

void DlgNavegador::rebuild(CEjercicio& exercise) {
    const auto& steps = exercise.GetSteps();
    if (steps.empty()) {
        openRoot(exercise);
        RefreshComment();
        return;
    }
    // Step by step, in sequence order: each step's rule names the way to the next one.
    Open(exercise, *steps.front());
    for (std::size_t index = 1; index < steps.size(); ++index) {
        const Rule rule = steps[index - 1]->GetAppliedRule();
        QTreeWidgetItem* ruleItem = insertRuleItem(*entries_.back().stepItem, rule);
        insertStepItem(*steps[index]);
        entries_.back().ruleItem = ruleItem;
    }
    // A handed-in file may reach the goal by steps that do not follow: that is not solved.
    if (exercise.goalReached() && checkDerivation(exercise).valid) {
        setGoalMark(steps.back().get());
    }
    tree_->scrollToItem(entries_.front().stepItem);
}

void DlgNavegador::RefreshComment() {
    if (selectedStep_ != nullptr) {
        showComment(selectedStep_->GetComment());
    } else if (exercise_ != nullptr) {
        showComment(exercise_->GetDescription());
    } else {
        commentBox_->clear();
    }
}

void DlgNavegador::markGoalReached(COsmiraDoc& step) {
    if (entriesOf(step) != entries_.end()) {
        setGoalMark(&step);
    }
}

QTreeWidgetItem* DlgNavegador::stepItem(const COsmiraDoc& step) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [&step](const StepEntries& entries) { return entries.step == &step; });
    return found == entries_.end() ? nullptr : found->stepItem;
}

void DlgNavegador::clearTree() {
    entries_.clear();
    selectedStep_ = nullptr;
    markedStep_ = nullptr;
    root_ = nullptr;
    exercise_ = nullptr;
    tree_->clear();
}

void DlgNavegador::openRoot(CEjercicio& exercise) {
    clearTree();
    exercise_ = &exercise;
    root_ = new QTreeWidgetItem(tree_, QStringList(QString::fromLatin1(exercise.GetTitle())));
    root_->setIcon(0, exerciseIcon());
}

QTreeWidgetItem* DlgNavegador::insertStepItem(COsmiraDoc& step) {
    auto* item = new QTreeWidgetItem(root_, QStringList(QString::fromLatin1(step.GetTitle())));
    item->setIcon(0, stepIcon());
    item->setData(0, Qt::UserRole, step.GetSelfId());
    entries_.push_back({&step, item, nullptr});
    return item;
}

QTreeWidgetItem* DlgNavegador::insertRuleItem(QTreeWidgetItem& parent, Rule rule) {
    const QString label = ruleLabel(rule);
    if (label.isEmpty()) {
        return nullptr; // no rule led on from this step
    }
    auto* item = new QTreeWidgetItem(&parent, QStringList(label));
    item->setIcon(0, ruleIcon());
    parent.setExpanded(true);
    return item;
}

void DlgNavegador::setGoalMark(COsmiraDoc* step) {
    const auto show = [this](COsmiraDoc* shown, bool marked) {
        QTreeWidgetItem* item = stepItem(*shown);
        QString text = QString::fromLatin1(shown->GetTitle());
        if (marked) {
            text += kGoalMark;
        }
        item->setText(0, text);
        QFont font = item->font(0);
        font.setBold(marked);
        item->setFont(0, font);
    };
    if (markedStep_ != nullptr) {
        show(markedStep_, false);
    }
    markedStep_ = step;
    if (markedStep_ != nullptr) {
        show(markedStep_, true);
    }
}

std::vector<DlgNavegador::StepEntries>::iterator DlgNavegador::entriesOf(const COsmiraDoc& step) {
    return std::find_if(entries_.begin(), entries_.end(),
                        [&step](const StepEntries& entries) { return entries.step == &step; });
}

COsmiraDoc* DlgNavegador::stepOf(const QTreeWidgetItem* item) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [item](const StepEntries& entries) { return entries.stepItem == item; });
    return found == entries_.end() ? nullptr : found->step;
}

void DlgNavegador::onSelectionChanged() {
    const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
    QTreeWidgetItem* item = selected.isEmpty() ? nullptr : selected.front();
    if (item == nullptr || item == root_) {
        selectedStep_ = nullptr;
        RefreshComment();
        return;
    }
    if (COsmiraDoc* step = stepOf(item)) {
        selectedStep_ = step;
        RefreshComment();
    }
}

void DlgNavegador::onItemDoubleClicked(QTreeWidgetItem* item) {
    if (COsmiraDoc* step = stepOf(item)) {
        emit stepActivated(step);
    }
}

void DlgNavegador::showComment(const std::string& latin1) {
    QString text = QString::fromLatin1(latin1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    commentBox_->setPlainText(text);
}

} // namespace osmira::workbench
