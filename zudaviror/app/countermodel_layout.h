#pragma once

#include "zudaviror/kripke_model.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <vector>

// Where each part of a countermodel's drawing goes: worlds on a ring (two in a row), the number
// inside each world's circle, its letters beside it where nothing else is drawn, arrows between
// the circles' edges (one line with two heads for a pair of worlds that see each other), a loop
// on the side of a world away from the ring's centre, and the legend in a band of its own under
// the drawing. Only geometry: CountermodelView paints it, and tests measure it.
namespace zudaviror::app {

struct WorldPlace {
    QPointF centre;
    double radius = 0;
    QString name;
    QRectF nameBox;  // inside the circle
    QString letters; // "p, q", or "—" when no letter is true there
    QRectF lettersBox;
    QRectF circle() const { return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius}; }
};

struct ArrowPlace {
    std::size_t from = 0;
    std::size_t to = 0;
    QPainterPath line;
    std::vector<QPolygonF> heads; // at `to`, and at `from` too when the two worlds see each other
};

struct LoopPlace {
    std::size_t world = 0;
    QPainterPath curve;
    QPolygonF head;
};

struct LegendPlace {
    QRectF area;          // the band, under everything else
    QRectF failingSample; // a small failing world's circle
    QString failingText;
    QRectF failingBox;
    QString noLetterText; // empty when every world has some letter
    QRectF noLetterSampleBox;
    QRectF noLetterBox;
};

struct CountermodelLayout {
    QSizeF size; // the whole drawing, legend included, from (0, 0)
    std::vector<WorldPlace> worlds;
    std::vector<ArrowPlace> arrows;
    std::vector<LoopPlace> loops;
    LegendPlace legend;
};

inline constexpr double kArrowHead = 8; // the length of an arrow's head

// The layout of model's drawing with text measured by metrics.
CountermodelLayout layOutCountermodel(const KripkeModel& model, const QFontMetricsF& metrics);

// What a line or curve covers when drawn with a pen of the given width.
QPainterPath strokeArea(const QPainterPath& path, double width);

// What a loop covers drawn so: its curve, what the curve encloses, and its head.
QPainterPath loopArea(const LoopPlace& loop, double width);

} // namespace zudaviror::app
