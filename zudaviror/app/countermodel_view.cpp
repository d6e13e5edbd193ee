#include "countermodel_view.h"

#include "zudaviror/unicode_signs.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace zudaviror::app {

namespace {

constexpr double kRadius = 16; // of a world's circle
const QColor kFailing(0xa0, 0, 0);

// An arrow from one circle's edge to the other's, its head at the second.
void drawArrow(QPainter& painter, QPointF from, QPointF to) {
    const QPointF along = to - from;
    const double length = std::hypot(along.x(), along.y());
    const QPointF unit = along / length;
    const QPointF start = from + unit * kRadius;
    const QPointF end = to - unit * kRadius;
    painter.drawLine(start, end);
    const QPointF normal(-unit.y(), unit.x());
    const QPointF back = end - unit * 8;
    painter.setBrush(painter.pen().color());
    painter.drawPolygon(QPolygonF({end, back + normal * 4, back - normal * 4}));
    painter.setBrush(Qt::NoBrush);
}

// A world that sees itself: a loop above its circle.
void drawLoop(QPainter& painter, QPointF centre) {
    const QRectF loop(centre.x() - 9, centre.y() - kRadius - 16, 18, 20);
    painter.drawArc(loop, -30 * 16, 240 * 16);
    const QPointF end(centre.x() + 7, centre.y() - kRadius + 1);
    painter.setBrush(painter.pen().color());
    painter.drawPolygon(QPolygonF({end, end + QPointF(-1, -8), end + QPointF(5, -6)}));
    painter.setBrush(Qt::NoBrush);
}

} // namespace

CountermodelView::CountermodelView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("DIBUJO"));
    setMinimumSize(280, 240);
}

void CountermodelView::showModel(const KripkeModel& model) {
    model_ = model;
    update();
}

QPointF CountermodelView::worldCentre(std::size_t world) const {
    const QPointF centre(width() / 2.0, height() / 2.0);
    if (model_.worldCount <= 1) {
        return centre;
    }
    const double ring = std::min(width(), height()) / 2.0 - kRadius - 24;
    const double angle =
        2 * std::numbers::pi * static_cast<double>(world) / static_cast<double>(model_.worldCount) -
        std::numbers::pi / 2;
    return centre + QPointF(std::cos(angle), std::sin(angle)) * ring;
}

void CountermodelView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QPen(Qt::black, 1.2));
    for (const auto& [from, to] : model_.arrows) {
        if (from == to) {
            drawLoop(painter, worldCentre(from));
        } else {
            drawArrow(painter, worldCentre(from), worldCentre(to));
        }
    }
    for (std::size_t world = 0; world < model_.worldCount; ++world) {
        const QPointF centre = worldCentre(world);
        const bool failing = world == model_.failingWorld;
        painter.setPen(QPen(failing ? kFailing : Qt::black, failing ? 2.0 : 1.2));
        painter.drawEllipse(centre, kRadius, kRadius);
        if (failing) {
            painter.drawEllipse(centre, kRadius - 4, kRadius - 4);
        }
        const QRectF inside(centre.x() - kRadius, centre.y() - kRadius, 2 * kRadius, 2 * kRadius);
        painter.drawText(inside, Qt::AlignCenter, QString::fromStdString(worldName(world)));
        std::string letters;
        for (const char code : model_.valuation.at(world)) {
            letters += (letters.empty() ? "" : ", ") + unicodeSign(code);
        }
        const QRectF below(centre.x() - 60, centre.y() + kRadius + 2, 120, 18);
        painter.drawText(below, Qt::AlignHCenter | Qt::AlignTop,
                         letters.empty() ? QStringLiteral("—") : QString::fromStdString(letters));
    }
    painter.setPen(kFailing);
    painter.drawText(rect().adjusted(4, 0, -4, -4), Qt::AlignLeft | Qt::AlignBottom,
                     QStringLiteral("En rojo, el mundo en que la fórmula es falsa."));
}

} // namespace zudaviror::app
