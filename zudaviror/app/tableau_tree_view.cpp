#include "tableau_tree_view.h"

#include "zudaviror/tableau_text.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace zudaviror::app {

namespace {

constexpr int kPadding = 6;     // inside a box
constexpr int kSiblingGap = 24; // between the subtrees of a split
constexpr int kLevelGap = 28;   // between a box and the boxes under it
constexpr int kJustificationGap = 18;

} // namespace

TableauTreeView::TableauTreeView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ARBOL_TABLERO"));
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setStyleHint(QFont::Monospace);
    setFont(mono);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

// A box holds a stretch: lines "n. statement" with the justification apart, then the branch's end.
std::size_t TableauTreeView::addStretch(const Tableau& tableau, std::size_t node) {
    const std::size_t box = boxes_.size();
    boxes_.emplace_back();
    const QFontMetrics metrics(font());
    for (;;) {
        const TableauNode& current = tableau.nodes[node];
        const QString statement = QStringLiteral("%1. %2").arg(node + 1).arg(
            QString::fromStdString(nodeStatement(tableau, current)));
        const QString why = QString::fromStdString(nodeJustification(current));
        boxes_[box].statementWidth =
            std::max(boxes_[box].statementWidth, metrics.horizontalAdvance(statement));
        boxes_[box].lines.push_back(statement + QLatin1Char('\t') + why);
        if (current.children.size() != 1) {
            if (const std::string end = branchEnd(current); !end.empty()) {
                boxes_[box].lines.push_back(QString::fromStdString(end));
            }
            for (const std::size_t child : current.children) {
                const std::size_t below = addStretch(tableau, child);
                boxes_[box].children.push_back(below);
            }
            return box;
        }
        node = current.children.front();
    }
}

// Each subtree's width, measured once from the leaves up: boxes are numbered in the order they
// were made, so a box's subtrees come after it.
void TableauTreeView::measureSubtrees() {
    subtreeWidths_.assign(boxes_.size(), 0);
    for (std::size_t box = boxes_.size(); box-- > 0;) {
        int children = 0;
        for (const std::size_t child : boxes_[box].children) {
            children += subtreeWidths_[child] + (children == 0 ? 0 : kSiblingGap);
        }
        subtreeWidths_[box] = std::max(boxes_[box].rect.width(), children);
    }
}

// The box centred over its subtree, its subtrees side by side under it.
void TableauTreeView::place(std::size_t box, int left, int top) {
    const int width = subtreeWidths_[box];
    QRect& rect = boxes_[box].rect;
    rect.moveTo(left + (width - rect.width()) / 2, top);
    int childrenWidth = 0;
    for (const std::size_t child : boxes_[box].children) {
        childrenWidth += subtreeWidths_[child] + (childrenWidth == 0 ? 0 : kSiblingGap);
    }
    int x = left + (width - childrenWidth) / 2;
    for (const std::size_t child : boxes_[box].children) {
        place(child, x, rect.bottom() + kLevelGap);
        x += subtreeWidths_[child] + kSiblingGap;
    }
}

void TableauTreeView::showTableau(const Tableau& tableau) {
    boxes_.clear();
    if (!tableau.nodes.empty()) {
        addStretch(tableau, 0);
    }
    const QFontMetrics metrics(font());
    for (Box& box : boxes_) {
        int width = 0;
        for (const QString& line : box.lines) {
            const QString why = line.section(QLatin1Char('\t'), 1);
            width = std::max(width,
                             why.isEmpty()
                                 ? metrics.horizontalAdvance(line.section(QLatin1Char('\t'), 0, 0))
                                 : box.statementWidth + kJustificationGap + metrics.horizontalAdvance(why));
        }
        box.rect = QRect(0, 0, width + 2 * kPadding,
                         static_cast<int>(box.lines.size()) * metrics.lineSpacing() + 2 * kPadding);
    }
    int right = 0;
    int bottom = 0;
    if (!boxes_.empty()) {
        measureSubtrees();
        place(0, kPadding, kPadding);
        for (const Box& box : boxes_) {
            right = std::max(right, box.rect.right());
            bottom = std::max(bottom, box.rect.bottom());
        }
    }
    setFixedSize(right + kPadding + 1, bottom + kPadding + 1);
    update();
}

void TableauTreeView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics(font());
    for (const Box& box : boxes_) {
        // A large tableau is painted only where the scroll area shows it.
        QRect reach = box.rect;
        for (const std::size_t child : box.children) {
            reach |= boxes_[child].rect;
        }
        if (!reach.intersects(event->rect())) {
            continue;
        }
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(box.rect);
        for (const std::size_t child : box.children) {
            painter.drawLine(QPoint(box.rect.center().x(), box.rect.bottom()),
                             QPoint(boxes_[child].rect.center().x(), boxes_[child].rect.top()));
        }
        painter.setPen(palette().color(QPalette::Text));
        int baseline = box.rect.top() + kPadding + metrics.ascent();
        for (const QString& line : box.lines) {
            const int x = box.rect.left() + kPadding;
            painter.drawText(x, baseline, line.section(QLatin1Char('\t'), 0, 0));
            const QString why = line.section(QLatin1Char('\t'), 1);
            if (!why.isEmpty()) {
                painter.drawText(x + box.statementWidth + kJustificationGap, baseline, why);
            }
            baseline += metrics.lineSpacing();
        }
    }
}

} // namespace zudaviror::app
