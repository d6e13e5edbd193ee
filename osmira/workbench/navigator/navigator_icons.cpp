#include "navigator_icons.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace osmira::workbench {

namespace {

constexpr int kSide = 16;

const QColor kInk(40, 40, 40);
const QColor kCover(150, 40, 40);
const QColor kPaper(252, 252, 244);
const QColor kCut(30, 80, 170);
const QColor kArrow(30, 120, 50);

void drawClosedBook(QPainter& painter) {
    painter.setPen(QPen(kInk, 1));
    painter.setBrush(kPaper);
    painter.drawRect(QRectF(3.5, 2.5, 10, 12)); // the pages' edge
    painter.setBrush(kCover);
    painter.drawRect(QRectF(2.5, 1.5, 10, 12));
    painter.setPen(QPen(kPaper, 1));
    painter.drawLine(QPointF(4.5, 1.5), QPointF(4.5, 13.5)); // spine
    painter.drawLine(QPointF(7, 5.5), QPointF(11, 5.5));     // label on the cover
}

void drawOpenBook(QPainter& painter) {
    painter.setPen(QPen(kInk, 1));
    painter.setBrush(kCover);
    painter.drawRect(QRectF(0.5, 3.5, 15, 10));
    painter.setBrush(kPaper);
    painter.drawPolygon(QPolygonF({{1.5, 3.5}, {7.5, 4.5}, {7.5, 12.5}, {1.5, 11.5}}));
    painter.drawPolygon(QPolygonF({{14.5, 3.5}, {8.5, 4.5}, {8.5, 12.5}, {14.5, 11.5}}));
    painter.setPen(QPen(QColor(120, 120, 120), 1));
    for (const double y : {6.5, 8.5, 10.0}) {
        painter.drawLine(QPointF(3, y - 0.5), QPointF(6.5, y));
        painter.drawLine(QPointF(9.5, y), QPointF(13, y - 0.5));
    }
}

// A sheet of assertion with a cut on it, as a step diagram looks.
void drawStep(QPainter& painter) {
    QPainterPath sheet;
    sheet.moveTo(2.5, 0.5);
    sheet.lineTo(10.5, 0.5);
    sheet.lineTo(13.5, 3.5);
    sheet.lineTo(13.5, 15.5);
    sheet.lineTo(2.5, 15.5);
    sheet.closeSubpath();
    painter.setPen(QPen(kInk, 1));
    painter.setBrush(kPaper);
    painter.drawPath(sheet);
    painter.drawLine(QPointF(10.5, 0.5), QPointF(10.5, 3.5));
    painter.drawLine(QPointF(10.5, 3.5), QPointF(13.5, 3.5));
    painter.setPen(QPen(kCut, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(4, 5.5, 8, 7));
}

void drawRule(QPainter& painter) {
    painter.setPen(QPen(kArrow, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(2, 8), QPointF(10, 8));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kArrow);
    painter.drawPolygon(QPolygonF({{9, 3.5}, {14.5, 8}, {9, 12.5}}));
}

} // namespace

QPixmap navigatorPixmap(NavigatorImage image) {
    QPixmap pixmap(kSide, kSide);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (image) {
    case NavigatorImage::ExerciseClosed:
        drawClosedBook(painter);
        break;
    case NavigatorImage::ExerciseOpen:
        drawOpenBook(painter);
        break;
    case NavigatorImage::Step:
        drawStep(painter);
        break;
    case NavigatorImage::Rule:
        drawRule(painter);
        break;
    }
    return pixmap;
}

QIcon exerciseIcon() {
    QIcon icon(navigatorPixmap(NavigatorImage::ExerciseClosed));
    icon.addPixmap(navigatorPixmap(NavigatorImage::ExerciseOpen), QIcon::Selected);
    return icon;
}

QIcon stepIcon() {
    return QIcon(navigatorPixmap(NavigatorImage::Step));
}

QIcon ruleIcon() {
    return QIcon(navigatorPixmap(NavigatorImage::Rule));
}

} // namespace osmira::workbench
