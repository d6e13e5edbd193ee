#include "tool_bar_style.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>

namespace osmira::workbench {

namespace {

// Shorter than the lines Qt's raster engine would share with its threads.
constexpr int kSlice = 64;

} // namespace

ToolBarStyle::ToolBarStyle() : QProxyStyle(QApplication::style()->name()) {}

void ToolBarStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const {
    if (element != CE_ToolBar) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const QRect bar = option->rect;
    const bool across = bar.width() >= bar.height();
    const int length = across ? bar.width() : bar.height();
    for (int start = 0; start < length; start += kSlice) {
        const QRect slice = across ? QRect(bar.left() + start, bar.top(), kSlice, bar.height())
                                   : QRect(bar.left(), bar.top() + start, bar.width(), kSlice);
        painter->save();
        painter->setClipRect(slice, Qt::IntersectClip);
        QProxyStyle::drawControl(element, option, painter, widget);
        painter->restore();
    }
}

} // namespace osmira::workbench
