#include "icons.h"

#include <QFont>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include <algorithm>
#include <utility>

namespace osmira::workbench {

namespace {

using Drawing = void (*)(QPainter&);

const QColor kInk(40, 40, 40);

// Lines are drawn on half units, so that at 16 pixels a one-unit line fills one pixel row.
void setPen(QPainter& painter, const QColor& colour, qreal width = 1.0) {
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
}

QPolygonF polygon(std::initializer_list<QPointF> points) {
    return QPolygonF(QList<QPointF>(points));
}

void drawText(QPainter& painter, const QRectF& box, const QString& text, qreal pixelSize,
              const QColor& colour) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(std::max(1, static_cast<int>(pixelSize)));
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, text);
}

void drawNew(QPainter& painter) {
    setPen(painter, kInk);
    painter.setBrush(Qt::white);
    painter.drawPolygon(polygon({{3.5, 1.5}, {10.5, 1.5}, {13.5, 4.5}, {13.5, 14.5}, {3.5, 14.5}}));
    painter.setBrush(QColor(220, 220, 220));
    painter.drawPolygon(polygon({{10.5, 1.5}, {10.5, 4.5}, {13.5, 4.5}}));
}

void drawOpen(QPainter& painter) {
    setPen(painter, QColor(120, 85, 10));
    painter.setBrush(QColor(226, 180, 70));
    painter.drawPolygon(
        polygon({{1.5, 3.5}, {5.5, 3.5}, {6.5, 4.5}, {12.5, 4.5}, {12.5, 13.5}, {1.5, 13.5}}));
    painter.setBrush(QColor(248, 216, 120));
    painter.drawPolygon(polygon({{1.5, 13.5}, {4.5, 7.5}, {15.5, 7.5}, {12.5, 13.5}}));
}

void drawSave(QPainter& painter) {
    setPen(painter, QColor(20, 40, 90));
    painter.setBrush(QColor(58, 95, 160));
    painter.drawPolygon(polygon({{1.5, 1.5}, {13.5, 1.5}, {14.5, 2.5}, {14.5, 14.5}, {1.5, 14.5}}));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(4, 2, 8, 5));
    painter.setBrush(QColor(190, 190, 190));
    painter.drawRect(QRectF(5, 10, 6, 4.5));
    painter.setBrush(QColor(20, 40, 90));
    painter.drawRect(QRectF(6, 11, 1.5, 3));
}

void drawPrint(QPainter& painter) {
    setPen(painter, kInk);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(4.5, 1.5, 7, 5));
    painter.setBrush(QColor(176, 176, 176));
    painter.drawRect(QRectF(1.5, 6.5, 13, 5));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(4.5, 9.5, 7, 5));
    painter.drawLine(QPointF(6, 11.5), QPointF(10, 11.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 170, 60));
    painter.drawRect(QRectF(12, 7.5, 1.5, 1.5));
}

void drawAbout(QPainter& painter) {
    setPen(painter, QColor(20, 60, 140));
    painter.setBrush(QColor(42, 98, 201));
    painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(7, 3.5, 2, 2));
    painter.drawRect(QRectF(7, 6.5, 2, 6));
}

QPolygonF arrow(qreal x, qreal y, qreal size) {
    const qreal k = size / 12.0;
    return polygon({{x, y},
                    {x, y + 11 * k},
                    {x + 2.7 * k, y + 8.5 * k},
                    {x + 4.6 * k, y + 12.5 * k},
                    {x + 6.2 * k, y + 11.8 * k},
                    {x + 4.4 * k, y + 7.8 * k},
                    {x + 8 * k, y + 7.8 * k}});
}

void drawContextHelp(QPainter& painter) {
    setPen(painter, kInk);
    painter.setBrush(Qt::white);
    painter.drawPolygon(arrow(1.5, 1.5, 12));
    // The question mark is drawn, not typeset: a font loaded for one glyph would cost the
    // program's start a noticeable share of its time.
    QPen mark(QColor(20, 60, 160), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(mark);
    painter.setBrush(Qt::NoBrush);
    QPainterPath hook;
    hook.moveTo(9.6, 3.6);
    hook.arcTo(QRectF(9.6, 1.2, 4.8, 4.6), 180, -250);
    hook.lineTo(12.0, 7.6);
    painter.drawPath(hook);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 60, 160));
    painter.drawEllipse(QPointF(12.0, 10.0), 1.0, 1.0);
}

void drawPointer(QPainter& painter) {
    setPen(painter, kInk);
    painter.setBrush(Qt::white);
    painter.drawPolygon(arrow(4.5, 1.5, 13));
}

// A cut in the rule's colour with its name: the five buttons differ by colour and number.
void drawRule(QPainter& painter, const QString& name, const QColor& ink, const QColor& fill, bool doubleCut) {
    setPen(painter, ink);
    painter.setBrush(fill);
    painter.drawEllipse(QRectF(0.5, 1.5, 15, 13));
    if (doubleCut) {
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QRectF(2.5, 3.5, 11, 9));
    }
    drawText(painter, QRectF(0, 1, 16, 14), name, doubleCut ? 6.5 : 7.5, ink);
}

void drawR1(QPainter& painter) {
    drawRule(painter, QStringLiteral("R1"), QColor(176, 40, 30), QColor(251, 227, 224), false);
}
void drawR2(QPainter& painter) {
    drawRule(painter, QStringLiteral("R2"), QColor(25, 120, 60), QColor(223, 243, 230), false);
}
void drawR3(QPainter& painter) {
    drawRule(painter, QStringLiteral("R3"), QColor(30, 90, 165), QColor(222, 235, 248), false);
}
void drawR4(QPainter& painter) {
    drawRule(painter, QStringLiteral("R4"), QColor(170, 100, 10), QColor(251, 238, 217), false);
}
void drawR5(QPainter& painter) {
    drawRule(painter, QStringLiteral("R5"), QColor(115, 50, 145), QColor(239, 227, 245), true);
}

// On a grid of 32 units: the program's own colours, grey sheet and black line.
void drawProgram(QPainter& painter) {
    setPen(painter, Qt::black, 1.5);
    painter.setBrush(QColor(216, 216, 216));
    painter.drawRect(QRectF(2.25, 5.25, 27.5, 21.5));
    setPen(painter, Qt::black, 2);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(6, 8.5, 20, 15));
    drawText(painter, QRectF(6, 8.5, 20, 15), QStringLiteral("A"), 11, Qt::black);
}

QImage greyed(QImage image) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(line[x]) / 2;
            const int grey = 96 + qGray(line[x]) / 2;
            line[x] = qRgba(grey, grey, grey, alpha);
        }
    }
    return image;
}

// Draws on a square grid scaled to the size asked for, centred; never a stored bitmap.
class DrawnIconEngine : public QIconEngine {
  public:
    DrawnIconEngine(Drawing drawing, qreal grid) : drawing_(drawing), grid_(grid) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->drawImage(rect, render(rect.size(), mode));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        return QPixmap::fromImage(render(size, mode));
    }

    QIconEngine* clone() const override { return new DrawnIconEngine(drawing_, grid_); }

    QString key() const override { return QStringLiteral("osmira-drawn"); }

  private:
    QImage render(const QSize& size, QIcon::Mode mode) const {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        if (size.isEmpty()) {
            return image;
        }
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        const qreal side = std::min(size.width(), size.height());
        painter.translate((size.width() - side) / 2, (size.height() - side) / 2);
        painter.scale(side / grid_, side / grid_);
        drawing_(painter);
        painter.end();
        return mode == QIcon::Disabled ? greyed(image.convertToFormat(QImage::Format_ARGB32)) : image;
    }

    Drawing drawing_;
    qreal grid_;
};

Drawing drawingOf(ToolIcon icon) {
    switch (icon) {
    case ToolIcon::New:
        return drawNew;
    case ToolIcon::Open:
        return drawOpen;
    case ToolIcon::Save:
        return drawSave;
    case ToolIcon::Print:
        return drawPrint;
    case ToolIcon::About:
        return drawAbout;
    case ToolIcon::ContextHelp:
        return drawContextHelp;
    case ToolIcon::Pointer:
        return drawPointer;
    case ToolIcon::R1:
        return drawR1;
    case ToolIcon::R2:
        return drawR2;
    case ToolIcon::R3:
        return drawR3;
    case ToolIcon::R4:
        return drawR4;
    case ToolIcon::R5:
        return drawR5;
    }
    return drawNew;
}

} // namespace

QIcon toolIcon(ToolIcon icon) {
    return QIcon(new DrawnIconEngine(drawingOf(icon), 16));
}

QIcon programIcon() {
    return QIcon(new DrawnIconEngine(drawProgram, 32));
}

} // namespace osmira::workbench
