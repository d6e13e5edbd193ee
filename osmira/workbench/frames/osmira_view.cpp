#include "osmira_view.h"

#include "osmira/model/drawing.h"
#include "osmira/model/layout.h"

#include "diagram_accessibility.h"
#include "host.h"
#include "keyboard_selection.h"
#include "painter_canvas.h"
#include "rule_commands.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>

#include <algorithm>

namespace osmira::workbench {

COsmiraView::COsmiraView(COsmiraDoc& document, Host& host, QWidget* parent)
    : QAbstractScrollArea(parent), document_(&document), host_(host) {
    static const bool accessible = (QAccessible::installFactory(&diagramAccessibleFactory), true);
    Q_UNUSED(accessible);
    setObjectName(QStringLiteral("COsmiraView"));
    setFocusPolicy(Qt::StrongFocus);
    // A new view starts with no selection, so a reopened window forgets the former one.
    document.SetSelectedElement(nullptr);
    document.SetIterationSource(nullptr);
    horizontalScrollBar()->setSingleStep(kLineStep.width());
    verticalScrollBar()->setSingleStep(kLineStep.height());
    horizontalScrollBar()->setPageStep(kPageStep.width());
    verticalScrollBar()->setPageStep(kPageStep.height());
    updateScrollBars();
}

void COsmiraView::detach() {
    document_ = nullptr;
    viewport()->update();
}

void COsmiraView::diagramChanged() {
    updateScrollBars();
    viewport()->update();
}

QSize COsmiraView::pageExtent() const {
    if (document_ == nullptr || document_->GetElements().empty() ||
        document_->GetElements().front()->GetGraphic() == nullptr) {
        return kPageExtent;
    }
    const Rect sheet = document_->GetElements().front()->GetGraphic()->GetRect();
    return kPageExtent.expandedTo(QSize(sheet.right + layout::kOrigin, sheet.bottom + layout::kOrigin));
}

void COsmiraView::drawDiagram(QPainter& painter, const std::optional<QRect>& exposed) const {
    render::PainterCanvas canvas(painter);
    drawDiagram(canvas, exposed);
}

void COsmiraView::drawDiagram(Canvas& canvas, const std::optional<QRect>& exposed) const {
    if (document_ == nullptr) {
        return;
    }
    // Highlighting in every paint keeps the selection visible after the window is covered.
    const CElemento* selected = document_->GetSelectedElement();
    if (!exposed) {
        drawStep(*document_, canvas, selected);
        return;
    }
    // A large diagram lies mostly outside the window: each paint costs what it shows.
    const QRect page(QPoint(0, 0), pageExtent().expandedTo(viewport()->size()));
    ExposedArea area(*exposed);
    for (const CElemento* element : shown_.within(*document_, page.united(*exposed))) {
        if (area.reaches(*element)) {
            drawElement(*element, canvas, element == selected);
        }
    }
}

QPoint COsmiraView::toLogical(const QPoint& windowPoint) const {
    return windowPoint + QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

QSize COsmiraView::sizeHint() const {
    return {640, 420};
}

void COsmiraView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QPoint scrolled(horizontalScrollBar()->value(), verticalScrollBar()->value());
    painter.translate(-scrolled);
    drawDiagram(painter, event->rect().translated(scrolled));
}

void COsmiraView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || document_ == nullptr) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    if (maySelect()) {
        const bool placesIteration = document_->GetPendingRule() == Rule::Iteration;
        selectAt(toLogical(event->position().toPoint()));
        if (placesIteration) {
            // The rule appends a step and opens its window; this view may be closed meanwhile.
            QPointer<COsmiraView> self(this);
            applyIteration();
            if (self.isNull()) {
                return;
            }
        }
    }
    QAbstractScrollArea::mouseReleaseEvent(event);
}

void COsmiraView::keyPressEvent(QKeyEvent* event) {
    const std::optional<SelectionMove> move = selectionMoveFor(event->key(), event->modifiers());
    const bool placeKey =
        event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space;
    if (document_ == nullptr || (!move && !(placeKey && document_->GetPendingRule() == Rule::Iteration))) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!maySelect()) {
        return;
    }
    if (move) {
        selectElement(movedSelection(*document_, document_->GetSelectedElement(), *move));
    } else {
        applyIteration();
    }
}

bool COsmiraView::focusNextPrevChild(bool) {
    return false;
}

bool COsmiraView::maySelect() {
    if (document_->GetAppliedRule() != Rule::None) {
        host_.showMessage(this, lockedStepClickMessage(), applicationTitle(), MessageIcon::Exclamation);
        return false;
    }
    const Rule pending = document_->GetPendingRule();
    if (pending != Rule::None && pending != Rule::Iteration) {
        host_.showMessage(this, choosePunteroMessage(), applicationTitle(), MessageIcon::Exclamation);
        return false;
    }
    return true;
}

void COsmiraView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void COsmiraView::scrollContentsBy(int, int) {
    viewport()->update();
}

void COsmiraView::updateScrollBars() {
    const QSize visible = viewport()->size();
    const QSize page = pageExtent();
    horizontalScrollBar()->setRange(0, std::max(0, page.width() - visible.width()));
    verticalScrollBar()->setRange(0, std::max(0, page.height() - visible.height()));
}

CElemento* COsmiraView::elementAt(const QPoint& logical) const {
    if (document_ == nullptr) {
        return nullptr;
    }
    const auto& elements = document_->GetElements();
    const auto hit = std::find_if(elements.rbegin(), elements.rend(), [&](const auto& element) {
        return element->GetGraphic() != nullptr && element->GetGraphic()->HitTest(logical.x(), logical.y());
    });
    return hit != elements.rend() ? hit->get() : nullptr;
}

void COsmiraView::selectAt(const QPoint& logical) {
    if (CElemento* hit = elementAt(logical)) {
        selectElement(hit);
    }
    viewport()->update();
}

void COsmiraView::selectElement(CElemento* element) {
    if (document_ == nullptr || element == nullptr || document_->indexOf(element) < 0) {
        return;
    }
    document_->SetSelectedElement(element);
    scrollIntoSight(*element);
    viewport()->update();
    announceSelection(*this);
    emit selectionChanged();
}

void COsmiraView::scrollIntoSight(const CElemento& element) {
    if (element.GetGraphic() == nullptr) {
        return;
    }
    const Rect drawn = element.GetGraphic()->GetRect();
    // The start of a graph wider or taller than the window is what comes into sight.
    auto bring = [](QScrollBar& bar, int from, int to, int visible) {
        if (to > bar.value() + visible) {
            bar.setValue(to - visible);
        }
        if (from < bar.value()) {
            bar.setValue(from);
        }
    };
    constexpr int kMargin = 10;
    bring(*horizontalScrollBar(), drawn.left - kMargin, drawn.right + kMargin, viewport()->width());
    bring(*verticalScrollBar(), drawn.top - kMargin, drawn.bottom + kMargin, viewport()->height());
}

void COsmiraView::applyIteration() {
    // The rule appends a step and opens its window; this view may be closed meanwhile.
    QPointer<COsmiraView> self(this);
    const RuleOutcome outcome = applyPendingRule(*document_);
    if (!self.isNull() && outcome == RuleOutcome::Committed) {
        emit ruleCommitted();
    }
}

} // namespace osmira::workbench
