#include "osmira_view.h"

#include "osmira/layout.h"

#include "host.h"
#include "painter_canvas.h"
#include "rule_commands.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>

#include <algorithm>

namespace osmira::workbench {

COsmiraView::COsmiraView(COsmiraDoc& document, Host& host, QWidget* parent)
    : QAbstractScrollArea(parent), document_(&document), host_(host) {
    setObjectName(QStringLiteral("COsmiraView"));
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
    if (document_ == nullptr) {
        return;
    }
    render::PainterCanvas canvas(painter);
    const CElemento* selected = document_->GetSelectedElement();
    auto draw = [&](const CElemento& element) {
        // Highlighting in every paint keeps the selection visible after the window is covered.
        if (&element == selected) {
            element.GetGraphic()->DrawHighlighted(canvas);
        } else {
            element.GetGraphic()->Draw(canvas);
        }
    };
    if (!exposed) {
        for (const auto& element : document_->GetElements()) {
            if (element->GetGraphic() != nullptr) {
                draw(*element);
            }
        }
        return;
    }
    // A large diagram lies mostly outside the window: each paint costs what it shows.
    const QRect page(QPoint(0, 0), pageExtent().expandedTo(viewport()->size()));
    ExposedArea area(*exposed);
    for (const CElemento* element : shown_.within(*document_, page.united(*exposed))) {
        if (area.reaches(*element)) {
            draw(*element);
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
    const QPoint logical = toLogical(event->position().toPoint());
    const Rule pending = document_->GetPendingRule();
    if (document_->GetAppliedRule() != Rule::None) {
        host_.showMessage(this, lockedStepClickMessage(), applicationTitle(), MessageIcon::Exclamation);
    } else if (pending == Rule::None) {
        selectAt(logical);
    } else if (pending == Rule::Iteration) {
        QPointer<COsmiraView> self(this);
        takeIterationPlace(logical);
        if (self.isNull()) {
            return;
        }
    } else {
        host_.showMessage(this, choosePunteroMessage(), applicationTitle(), MessageIcon::Exclamation);
    }
    QAbstractScrollArea::mouseReleaseEvent(event);
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

void COsmiraView::selectAt(const QPoint& logical) {
    const auto& elements = document_->GetElements();
    const auto hit = std::find_if(elements.rbegin(), elements.rend(), [&](const auto& element) {
        return element->GetGraphic() != nullptr && element->GetGraphic()->HitTest(logical.x(), logical.y());
    });
    if (hit != elements.rend()) {
        document_->SetSelectedElement(hit->get());
    }
    viewport()->update();
}

void COsmiraView::takeIterationPlace(const QPoint& logical) {
    document_->SetIterationSource(document_->GetSelectedElement());
    selectAt(logical);
    // The rule appends a step and opens its window; this view may be closed meanwhile.
    QPointer<COsmiraView> self(this);
    const RuleOutcome outcome = applyPendingRule(*document_);
    if (!self.isNull() && outcome == RuleOutcome::Committed) {
        emit ruleCommitted();
    }
}

} // namespace osmira::workbench
