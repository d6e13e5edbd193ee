#include "countermodel_view.h"

#include <QEvent>
#include <QPainter>

#include <cmath>

namespace zudaviror::app {

namespace {

const QColor kFailing(0xa0, 0, 0);
constexpr double kLine = 1.2;

void drawHead(QPainter& painter, const QPolygonF& head) {
    painter.setBrush(painter.pen().color());
    painter.drawPolygon(head);
    painter.setBrush(Qt::NoBrush);
}

// Red with a second circle inside, so that it shows in black and white too.
void drawFailingCircle(QPainter& painter, QPointF centre, double radius) {
    painter.setPen(QPen(kFailing, 2.0));
    painter.drawEllipse(centre, radius, radius);
    painter.drawEllipse(centre, radius - 4, radius - 4);
}

void drawLegend(QPainter& painter, const LegendPlace& legend) {
    painter.setPen(QPen(Qt::gray, 1));
    painter.drawLine(legend.area.topLeft(), legend.area.topRight());
    const QRectF sample = legend.failingSample;
    drawFailingCircle(painter, sample.center(), sample.width() / 2);
    painter.setPen(Qt::black);
    painter.drawText(legend.failingBox, Qt::AlignLeft | Qt::AlignVCenter, legend.failingText);
    if (!legend.noLetterText.isEmpty()) {
        painter.drawText(legend.noLetterSampleBox, Qt::AlignCenter, QStringLiteral("—"));
        painter.drawText(legend.noLetterBox, Qt::AlignLeft | Qt::AlignVCenter, legend.noLetterText);
    }
}

} // namespace

CountermodelView::CountermodelView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("DIBUJO"));
    layOut();
}

void CountermodelView::showModel(const KripkeModel& model) {
    model_ = model;
    layOut();
    update();
}

void CountermodelView::layOut() {
    layout_ = layOutCountermodel(model_, QFontMetricsF(font()));
    setMinimumSize(sizeHint());
    updateGeometry();
}

QSize CountermodelView::sizeHint() const {
    return {static_cast<int>(std::ceil(layout_.size.width())),
            static_cast<int>(std::ceil(layout_.size.height()))};
}

void CountermodelView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        layOut();
    }
    QWidget::changeEvent(event);
}

void CountermodelView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    // The drawing in the middle of whatever room the window gives it.
    painter.translate(std::max(0.0, (width() - layout_.size.width()) / 2),
                      std::max(0.0, (height() - layout_.size.height()) / 2));
    painter.setPen(QPen(Qt::black, kLine));
    for (const ArrowPlace& arrow : layout_.arrows) {
        painter.drawPath(arrow.line);
        for (const QPolygonF& head : arrow.heads) {
            drawHead(painter, head);
        }
    }
    for (const LoopPlace& loop : layout_.loops) {
        painter.drawPath(loop.curve);
        drawHead(painter, loop.head);
    }
    for (std::size_t world = 0; world < layout_.worlds.size(); ++world) {
        const WorldPlace& place = layout_.worlds[world];
        if (world == model_.failingWorld) {
            drawFailingCircle(painter, place.centre, place.radius);
        } else {
            painter.setPen(QPen(Qt::black, kLine));
            painter.drawEllipse(place.centre, place.radius, place.radius);
        }
        painter.setPen(Qt::black);
        painter.drawText(place.nameBox, Qt::AlignCenter, place.name);
        painter.drawText(place.lettersBox, Qt::AlignCenter, place.letters);
    }
    if (!layout_.worlds.empty()) {
        drawLegend(painter, layout_.legend);
    }
}

} // namespace zudaviror::app
