#include "scaled_down_canvas.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace osmira::render {

namespace {

double width(const Rect& rect) {
    return static_cast<double>(std::int64_t{rect.right} - rect.left);
}

double height(const Rect& rect) {
    return static_cast<double>(std::int64_t{rect.bottom} - rect.top);
}

double centreX(const Rect& rect) {
    return (static_cast<double>(rect.left) + rect.right) / 2;
}

double centreY(const Rect& rect) {
    return (static_cast<double>(rect.top) + rect.bottom) / 2;
}

bool within(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// Whether `inner` lies inside `outer`, `margin` units off its edges.
bool insideRectangle(const Rect& inner, const Rect& outer, double margin) {
    return inner.left - margin >= outer.left && inner.top - margin >= outer.top &&
           inner.right + margin <= outer.right && inner.bottom + margin <= outer.bottom;
}

// Whether `inner`, as an ellipse or a rectangle, lies inside the ellipse in `outer`, `margin`
// units off its outline. In the ellipse's own unit circle `inner` is centred at (u, v), p wide
// and q high on each side.
bool insideEllipse(bool innerIsEllipse, const Rect& inner, const Rect& outer, double margin) {
    const double a = width(outer) / 2 - margin;
    const double b = height(outer) / 2 - margin;
    if (a <= 0 || b <= 0) {
        return false;
    }
    const double u = (centreX(inner) - centreX(outer)) / a;
    const double v = (centreY(inner) - centreY(outer)) / b;
    const double p = width(inner) / 2 / a;
    const double q = height(inner) / 2 / b;
    if (innerIsEllipse && v == 0) {
        // The layout centres an area's graphs on its height. A point of the inner ellipse,
        // (u + p·c, q·sin t) with c = cos t, stays inside where f(c) = (u + p·c)² + q²·(1 − c²)
        // is at most 1, and f is a parabola in c.
        const auto f = [&](double c) { return (u + p * c) * (u + p * c) + q * q * (1 - c * c); };
        double most = std::max(f(-1), f(1));
        if (q * q > p * p) {
            const double top = u * p / (q * q - p * p);
            if (std::abs(top) <= 1) {
                most = std::max(most, f(top));
            }
        }
        return most <= 1;
    }
    // Otherwise by the corners of its rectangle, which holds it.
    for (const double x : {u - p, u + p}) {
        for (const double y : {v - q, v + q}) {
            if (x * x + y * y > 1) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

ScaledDownCanvas::ScaledDownCanvas(QPainter& painter, double scale) : PainterCanvas(painter), scale_(scale) {}

bool ScaledDownCanvas::seen(const Rect& rect) const {
    return width(rect) * scale_ >= 1 || height(rect) * scale_ >= 1;
}

// Qt draws a pen thinner than a pixel as a line one pixel wide, as opaque as the pen is wide, in
// 256ths: under one 256th nothing shows. A pen of no width is always one pixel.
bool ScaledDownCanvas::outlineShows() const {
    return pen().style == Pen::Style::Solid && (pen().width == 0 || pen().width * scale_ * 256 >= 1);
}

bool ScaledDownCanvas::withinAPixelOfTheLastOutline(const Rect& rect) const {
    if (surroundings_.empty() || pen().width * scale_ >= 1 || surroundings_.back().pen != pen()) {
        return false;
    }
    const Rect& last = surroundings_.back().lastOutline;
    const auto near = [this](std::int32_t a, std::int32_t b) {
        return std::abs(static_cast<double>(std::int64_t{a} - b)) * scale_ < 1;
    };
    return near(rect.left, last.left) && near(rect.top, last.top) && near(rect.right, last.right) &&
           near(rect.bottom, last.bottom);
}

void ScaledDownCanvas::leaveThoseAround(const Rect& rect) {
    while (!surroundings_.empty() && !within(rect, surroundings_.back().rect)) {
        surroundings_.pop_back();
    }
}

bool ScaledDownCanvas::fillsItsOwnColour(Shape shape, const Rect& rect) const {
    if (surroundings_.empty() || surroundings_.back().fill != brush().color) {
        return false;
    }
    const Surrounding& around = surroundings_.back();
    // Clear of the pen around it, which reaches two units in from its rectangle.
    const double margin = around.pen.width + 2.0;
    return around.shape == Shape::Ellipse ? insideEllipse(shape == Shape::Ellipse, rect, around.rect, margin)
                                          : insideRectangle(rect, around.rect, margin);
}

std::optional<std::int32_t> ScaledDownCanvas::outlineOf(Shape shape, const Rect& rect) {
    // A letter's box is filled without a pen, and nothing stands in it.
    if (pen().style != Pen::Style::Solid) {
        return std::nullopt;
    }
    Surrounding next{shape, rect, brush().color, pen(), rect, 0};
    std::optional<std::int32_t> width;
    if (!outlineShows()) {
        // Nothing drawn, nothing owed.
    } else if (withinAPixelOfTheLastOutline(rect)) {
        next.lastOutline = surroundings_.back().lastOutline;
        next.owedWidth = surroundings_.back().owedWidth + pen().width;
    } else {
        width = pen().width;
        if (!surroundings_.empty() && surroundings_.back().pen == pen()) {
            // Paid once, to the first outline drawn inside those left out; never past a pixel.
            const double owed = std::exchange(surroundings_.back().owedWidth, 0);
            width = static_cast<std::int32_t>(std::min(*width + owed, std::max<double>(*width, 1 / scale_)));
        }
    }
    surroundings_.push_back(next);
    return width;
}

void ScaledDownCanvas::drawSeen(Shape shape, const Rect& rect) {
    if (!seen(rect)) {
        return;
    }
    leaveThoseAround(rect);
    const bool fill = !fillsItsOwnColour(shape, rect);
    if (const std::optional<std::int32_t> outline = outlineOf(shape, rect)) {
        drawOutlined(shape, rect, fill, *outline);
    } else if (fill) {
        drawShape(shape, rect, false, true);
    }
}

void ScaledDownCanvas::drawOutlined(Shape shape, const Rect& rect, bool fill, std::int32_t penWidth) {
    if (penWidth == pen().width) {
        drawShape(shape, rect, true, fill);
        return;
    }
    const Pen previous = selectPen({pen().style, penWidth, pen().color});
    drawShape(shape, rect, true, fill);
    selectPen(previous);
}

void ScaledDownCanvas::drawRectangle(const Rect& rect) {
    drawSeen(Shape::Rectangle, rect);
}

void ScaledDownCanvas::drawEllipse(const Rect& rect) {
    drawSeen(Shape::Ellipse, rect);
}

void ScaledDownCanvas::drawCentredText(const Rect& rect, const std::string& text, const FontDescription& font,
                                       Colour textColor) {
    if (seen(rect)) {
        PainterCanvas::drawCentredText(rect, text, font, textColor);
    }
}

} // namespace osmira::render
