#include "program_icon.h"

#include <QIconEngine>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>

namespace varquen::app {

namespace {

// The drawing of packaging/org.logicsuite.varquen.svg, on its 64-unit grid.
void drawProgram(QPainter& painter) {
    const QColor ink(0x12, 0x38, 0x5f);
    QLinearGradient shade(0, 4, 0, 60);
    shade.setColorAt(0, QColor(0x3f, 0x83, 0xc6));
    shade.setColorAt(1, QColor(0x1a, 0x4f, 0x86));
    painter.setPen(QPen(ink, 2));
    painter.setBrush(shade);
    painter.drawRoundedRect(QRectF(4, 4, 56, 56), 10, 10);

    QPainterPath forAll;
    forAll.moveTo(17, 14);
    forAll.lineTo(30, 46);
    forAll.lineTo(43, 14);
    forAll.moveTo(21.9, 26);
    forAll.lineTo(38.1, 26);
    painter.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(forAll);

    painter.setPen(QPen(ink, 1.5));
    painter.setBrush(QColor(0xf2, 0xb1, 0x34));
    painter.drawEllipse(QPointF(47, 44), 6, 6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawEllipse(QPointF(47, 44), 2.2, 2.2);
}

class ProgramIconEngine : public QIconEngine {
  public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        if (!size.isEmpty()) {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            const qreal side = std::min(size.width(), size.height());
            painter.translate((size.width() - side) / 2, (size.height() - side) / 2);
            painter.scale(side / 64, side / 64);
            drawProgram(painter);
        }
        return QPixmap::fromImage(image);
    }

    QIconEngine* clone() const override { return new ProgramIconEngine; }
};

} // namespace

QIcon programIcon() {
    return QIcon(new ProgramIconEngine);
}

} // namespace varquen::app
