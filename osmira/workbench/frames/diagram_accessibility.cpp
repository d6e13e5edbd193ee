#include "diagram_accessibility.h"

#include "element_names.h"
#include "osmira_view.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QScrollBar>

namespace osmira::workbench {

namespace {

const CElemento* elementOf(const COsmiraView* view, int index) {
    const COsmiraDoc* step = view != nullptr ? view->document() : nullptr;
    if (step == nullptr || index < 0 || index >= static_cast<int>(step->GetElements().size())) {
        return nullptr;
    }
    return step->GetElements()[index].get();
}

int selectedIndex(const COsmiraView& view) {
    return view.document() != nullptr ? view.document()->indexOf(view.document()->GetSelectedElement()) : -1;
}

// One element, known by its view and its place in the list: a step's list never changes once
// laid out, and a detached view makes the item invalid rather than dangling.
class ElementAccessible : public QAccessibleInterface {
  public:
    ElementAccessible(COsmiraView* view, int index) : view_(view), index_(index) {}

    bool isValid() const override { return elementOf(view_, index_) != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(view_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QString text(QAccessible::Text kind) const override {
        const CElemento* element = elementOf(view_, index_);
        return element != nullptr && kind == QAccessible::Name ? elementName(*element) : QString();
    }

    QRect rect() const override {
        const CElemento* element = elementOf(view_, index_);
        if (element == nullptr || element->GetGraphic() == nullptr) {
            return {};
        }
        const Rect drawn = element->GetGraphic()->GetRect();
        const QPoint scrolled(view_->horizontalScrollBar()->value(), view_->verticalScrollBar()->value());
        const QPoint topLeft = view_->viewport()->mapToGlobal(QPoint(drawn.left, drawn.top) - scrolled);
        return {topLeft, QSize(drawn.right - drawn.left, drawn.bottom - drawn.top)};
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.selectable = true;
        state.selected = view_ && selectedIndex(*view_) == index_;
        state.focused = state.selected && view_->hasFocus();
        return state;
    }

    const COsmiraView* view() const { return view_; }
    int index() const { return index_; }

  private:
    QPointer<COsmiraView> view_;
    int index_;
};

class DiagramAccessible : public QAccessibleWidget {
  public:
    explicit DiagramAccessible(COsmiraView* view) : QAccessibleWidget(view, QAccessible::List) {}

    ~DiagramAccessible() override {
        for (const QAccessible::Id id : std::as_const(items_)) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    int childCount() const override {
        const COsmiraDoc* step = view()->document();
        return step != nullptr ? static_cast<int>(step->GetElements().size()) : 0;
    }

    QAccessibleInterface* child(int index) const override {
        if (elementOf(view(), index) == nullptr) {
            return nullptr;
        }
        auto found = items_.constFind(index);
        if (found == items_.cend()) {
            found = items_.insert(
                index, QAccessible::registerAccessibleInterface(new ElementAccessible(view(), index)));
        }
        return QAccessible::accessibleInterface(*found);
    }

    int indexOfChild(const QAccessibleInterface* item) const override {
        const auto* element = dynamic_cast<const ElementAccessible*>(item);
        return element != nullptr && element->view() == view() ? element->index() : -1;
    }

    QAccessibleInterface* focusChild() const override {
        return view()->hasFocus() ? child(selectedIndex(*view())) : nullptr;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint logical = view()->toLogical(view()->viewport()->mapFromGlobal(QPoint(x, y)));
        const CElemento* hit = view()->elementAt(logical);
        return hit != nullptr ? child(view()->document()->indexOf(hit)) : nullptr;
    }

    QString text(QAccessible::Text kind) const override {
        const COsmiraDoc* step = view()->document();
        // A view of no step (the goal's) is named by its pane.
        if (kind == QAccessible::Name && step != nullptr && view()->accessibleName().isEmpty()) {
            return QStringLiteral("Diagrama del ") + QString::fromLatin1(step->GetTitle().c_str());
        }
        return QAccessibleWidget::text(kind);
    }

  private:
    COsmiraView* view() const { return static_cast<COsmiraView*>(widget()); }

    mutable QHash<int, QAccessible::Id> items_;
};

} // namespace

QAccessibleInterface* diagramAccessibleFactory(const QString&, QObject* object) {
    auto* view = qobject_cast<COsmiraView*>(object);
    return view != nullptr ? new DiagramAccessible(view) : nullptr;
}

void announceSelection(COsmiraView& view) {
    const int index = selectedIndex(view);
    if (index < 0) {
        return;
    }
    QAccessibleEvent focus(&view, QAccessible::Focus);
    focus.setChild(index);
    QAccessible::updateAccessibility(&focus);
    QAccessibleEvent selection(&view, QAccessible::Selection);
    selection.setChild(index);
    QAccessible::updateAccessibility(&selection);
}

} // namespace osmira::workbench
