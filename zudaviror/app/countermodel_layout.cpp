#include "countermodel_layout.h"

#include "zudaviror/unicode_signs.h"

#include <QPainterPathStroker>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zudaviror::app {

namespace {

constexpr double kMinimumRadius = 16;
constexpr double kNeighbourGap = 100; // between two neighbours' circles on the ring
constexpr double kLoopReach = 30;     // how far a loop's curve stands out of its circle
constexpr double kLoopSpread = 35;    // degrees either side of the outward direction
constexpr double kMargin = 8;
constexpr double kClearance = 3; // kept free around every part, so that none touches another

QPointF unit(double degrees) {
    const double radians = degrees * std::numbers::pi / 180;
    return {std::cos(radians), std::sin(radians)};
}

double degreesOf(QPointF direction) {
    return std::atan2(direction.y(), direction.x()) * 180 / std::numbers::pi;
}

QPolygonF arrowHead(QPointF tip, QPointF direction) {
    const QPointF normal(-direction.y(), direction.x());
    const QPointF back = tip - direction * kArrowHead;
    return QPolygonF({tip, back + normal * 4, back - normal * 4});
}

QString lettersOf(const std::string& codes) {
    std::string letters;
    for (const char code : codes) {
        letters += (letters.empty() ? "" : ", ") + unicodeSign(code);
    }
    return letters.empty() ? QStringLiteral("—") : QString::fromStdString(letters);
}

// A box of size whose edge touches anchor where a ray leaving the circle in direction meets it.
QRectF boxBeside(QPointF anchor, QPointF direction, QSizeF size) {
    const double scale = std::max(std::abs(direction.x()), std::abs(direction.y()));
    const QPointF centre =
        anchor + QPointF(direction.x() * size.width() / 2, direction.y() * size.height() / 2) / scale;
    return {centre.x() - size.width() / 2, centre.y() - size.height() / 2, size.width(), size.height()};
}

// Everything drawn so far, as areas a box of letters must keep out of.
class Obstacles {
  public:
    void add(const QPainterPath& area) { areas_.push_back(area); }
    void add(const QRectF& box) {
        QPainterPath area;
        area.addRect(box.adjusted(-kClearance, -kClearance, kClearance, kClearance));
        areas_.push_back(area);
    }
    int hits(const QRectF& box) const {
        return static_cast<int>(std::count_if(
            areas_.begin(), areas_.end(), [&](const QPainterPath& area) { return area.intersects(box); }));
    }

  private:
    std::vector<QPainterPath> areas_;
};

// The free place nearest to the circle and to its outward side; where none is free, the one
// that meets the fewest other parts.
QRectF placeLetters(const WorldPlace& world, QPointF outward, QSizeF size, const Obstacles& obstacles) {
    static constexpr double kTurns[] = {0, 45, -45, 90, -90, 135, -135, 180};
    static constexpr double kDistances[] = {4, 16, 30, 48};
    QRectF best;
    double bestCost = 0;
    int bestHits = -1;
    for (std::size_t step = 0; step < std::size(kDistances); ++step) {
        for (const double turn : kTurns) {
            const QPointF direction = unit(degreesOf(outward) + turn);
            const QRectF box =
                boxBeside(world.centre + direction * (world.radius + kDistances[step]), direction, size);
            const int hits = obstacles.hits(box);
            const double cost = std::abs(turn) / 45 + static_cast<double>(step);
            if (bestHits < 0 || hits < bestHits || (hits == bestHits && cost < bestCost)) {
                best = box;
                bestHits = hits;
                bestCost = cost;
            }
        }
    }
    return best;
}

bool sees(const KripkeModel& model, std::size_t from, std::size_t to) {
    return std::find(model.arrows.begin(), model.arrows.end(), std::pair(from, to)) != model.arrows.end();
}

ArrowPlace arrowBetween(const WorldPlace& from, const WorldPlace& to, bool bothWays) {
    const QPointF along = to.centre - from.centre;
    const QPointF direction = along / std::hypot(along.x(), along.y());
    const QPointF start = from.centre + direction * from.radius;
    const QPointF end = to.centre - direction * to.radius;
    ArrowPlace arrow;
    arrow.line.moveTo(start);
    arrow.line.lineTo(end);
    arrow.heads.push_back(arrowHead(end, direction));
    if (bothWays) {
        arrow.heads.push_back(arrowHead(start, -direction));
    }
    return arrow;
}

LoopPlace loopAt(const WorldPlace& world, QPointF outward) {
    const double heading = degreesOf(outward);
    const QPointF leave = unit(heading + kLoopSpread);
    const QPointF enter = unit(heading - kLoopSpread);
    const QPointF start = world.centre + leave * world.radius;
    const QPointF end = world.centre + enter * world.radius;
    LoopPlace loop;
    loop.curve.moveTo(start);
    loop.curve.cubicTo(start + leave * kLoopReach * 1.3, end + enter * kLoopReach * 1.3, end);
    loop.head = arrowHead(end, -enter);
    return loop;
}

void shift(CountermodelLayout& layout, QPointF by) {
    const QTransform move = QTransform::fromTranslate(by.x(), by.y());
    for (WorldPlace& world : layout.worlds) {
        world.centre += by;
        world.nameBox.translate(by);
        world.lettersBox.translate(by);
    }
    for (ArrowPlace& arrow : layout.arrows) {
        arrow.line.translate(by);
        for (QPolygonF& head : arrow.heads) {
            head = move.map(head);
        }
    }
    for (LoopPlace& loop : layout.loops) {
        loop.curve.translate(by);
        loop.head = move.map(loop.head);
    }
}

// The legend's band under a drawing of the given size: the failing world's look, and "—".
LegendPlace legendUnder(QSizeF drawing, bool someWorldWithoutLetters, const QFontMetricsF& metrics) {
    LegendPlace legend;
    legend.failingText = QStringLiteral("El mundo en que la fórmula es falsa");
    if (someWorldWithoutLetters) {
        legend.noLetterText = QStringLiteral("Ninguna letra es verdadera en ese mundo");
    }
    const double line = std::max(metrics.height(), 16.0) + 4;
    const double sampleWidth = std::max(16.0, metrics.horizontalAdvance(QStringLiteral("—")));
    const double textLeft = kMargin + sampleWidth + 8;
    const double top = drawing.height() + kMargin;
    const double textWidth = std::max(metrics.horizontalAdvance(legend.failingText),
                                      metrics.horizontalAdvance(legend.noLetterText)) +
                             2;
    const double lines = legend.noLetterText.isEmpty() ? 1 : 2;
    legend.area =
        QRectF(0, top, std::max(drawing.width(), textLeft + textWidth + kMargin), lines * line + kMargin);
    const double sampleTop = top + kMargin / 2 + (line - 16) / 2;
    legend.failingSample = QRectF(kMargin + (sampleWidth - 16) / 2, sampleTop, 16, 16);
    legend.failingBox = QRectF(textLeft, top + kMargin / 2, textWidth, line);
    if (!legend.noLetterText.isEmpty()) {
        legend.noLetterSampleBox = QRectF(kMargin, top + kMargin / 2 + line, sampleWidth, line);
        legend.noLetterBox = legend.failingBox.translated(0, line);
    }
    return legend;
}

} // namespace

QPainterPath strokeArea(const QPainterPath& path, double width) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    return stroker.createStroke(path);
}

QPainterPath loopArea(const LoopPlace& loop, double width) {
    QPainterPath inside = loop.curve;
    inside.closeSubpath();
    QPainterPath area = strokeArea(loop.curve, width).united(inside);
    area.addPolygon(loop.head);
    area.setFillRule(Qt::WindingFill);
    return area;
}

CountermodelLayout layOutCountermodel(const KripkeModel& model, const QFontMetricsF& metrics) {
    const std::size_t n = model.worldCount;
    CountermodelLayout layout;
    const double nameWidth = metrics.horizontalAdvance(QString::fromStdString(worldName(n == 0 ? 0 : n - 1)));
    // Room inside the failing world's inner circle for the number.
    const double radius = std::max(kMinimumRadius, std::hypot(nameWidth, metrics.height()) / 2 + 6);
    // Two worlds side by side; more on a ring from the top, clockwise, neighbours equally far apart.
    const double ring =
        n < 2 ? 0 : (2 * radius + kNeighbourGap) / (2 * std::sin(std::numbers::pi / double(n)));
    const double first = n == 2 ? 180 : -90;
    std::vector<QPointF> outward;
    for (std::size_t world = 0; world < n; ++world) {
        const QPointF direction = unit(first + 360 * double(world) / double(n));
        WorldPlace place;
        place.centre = direction * ring;
        place.radius = radius;
        place.name = QString::fromStdString(worldName(world));
        const QSizeF nameSize(metrics.horizontalAdvance(place.name) + 2, metrics.height());
        place.nameBox = QRectF(place.centre - QPointF(nameSize.width(), nameSize.height()) / 2, nameSize);
        place.letters = lettersOf(model.valuation.at(world));
        layout.worlds.push_back(place);
        outward.push_back(n == 1 ? unit(-90) : direction);
    }

    Obstacles obstacles;
    for (const WorldPlace& world : layout.worlds) {
        QPainterPath circle;
        circle.addEllipse(world.centre, world.radius + kClearance, world.radius + kClearance);
        obstacles.add(circle);
    }
    for (const auto& [from, to] : model.arrows) {
        if (from == to) {
            layout.loops.push_back(loopAt(layout.worlds.at(from), outward.at(from)));
            layout.loops.back().world = from;
            obstacles.add(loopArea(layout.loops.back(), 2 * kClearance));
        } else if (from < to || !sees(model, to, from)) {
            layout.arrows.push_back(
                arrowBetween(layout.worlds.at(from), layout.worlds.at(to), sees(model, to, from)));
            layout.arrows.back().from = from;
            layout.arrows.back().to = to;
            obstacles.add(strokeArea(layout.arrows.back().line, 2 * kArrowHead));
        }
    }
    for (std::size_t world = 0; world < n; ++world) {
        WorldPlace& place = layout.worlds[world];
        const QSizeF size(metrics.horizontalAdvance(place.letters) + 4, metrics.height() + 2);
        place.lettersBox = placeLetters(place, outward[world], size, obstacles);
        obstacles.add(place.lettersBox);
    }

    QRectF bounds;
    for (const WorldPlace& world : layout.worlds) {
        bounds |= world.circle() | world.lettersBox;
    }
    for (const LoopPlace& loop : layout.loops) {
        bounds |= loop.curve.boundingRect() | loop.head.boundingRect();
    }
    const QSizeF drawing(bounds.width() + 2 * kMargin, bounds.height() + 2 * kMargin);
    const bool someWorldWithoutLetters = std::any_of(model.valuation.begin(), model.valuation.end(),
                                                     [](const std::string& codes) { return codes.empty(); });
    layout.legend = legendUnder(drawing, someWorldWithoutLetters, metrics);
    // A legend wider than the drawing: the drawing stands in the middle above it.
    const double widthLeft = layout.legend.area.width() - drawing.width();
    shift(layout, QPointF(kMargin + widthLeft / 2, kMargin) - bounds.topLeft());
    layout.size = QSizeF(layout.legend.area.width(), layout.legend.area.bottom());
    return layout;
}

} // namespace zudaviror::app
