#include "osmira/model/elem_grafico.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace osmira {

CElemGrafico::CElemGrafico(const Rect& rect, const ElementAppearance& appearance)
    : appearance_(appearance), topLeft_{rect.left, rect.top}, bottomRight_{rect.right, rect.bottom} {}

void CElemGrafico::Draw(Canvas&) const {}

bool CElemGrafico::HitTest(int, int) const {
    return true;
}

void CElemGrafico::DrawHighlighted(Canvas&) const {}

void CElemGrafico::SetLetter(char) {}

void CElemGrafico::SetCorners(Point topLeft, Point bottomRight) {
    topLeft_ = topLeft;
    bottomRight_ = bottomRight;
}

bool CElemGrafico::rectangleContains(int x, int y) const {
    return x >= topLeft_.x && x < bottomRight_.x && y >= topLeft_.y && y < bottomRight_.y;
}

void CElemGrafico::paintOutlined(Canvas& canvas, Colour fill, Shape shape) const {
    Pen previousPen = canvas.selectPen({Pen::Style::Solid, appearance_.penWidth, appearance_.penColor});
    Brush previousBrush = canvas.selectBrush({fill});
    (canvas.*shape)(GetRect());
    canvas.selectPen(previousPen);
    canvas.selectBrush(previousBrush);
}

void CHojaGrafico::Draw(Canvas& canvas) const {
    paintOutlined(canvas, currentFill(), &Canvas::drawRectangle);
}

void CHojaGrafico::DrawHighlighted(Canvas& canvas) const {
    paintOutlined(canvas, appearance_.markedFillColor, &Canvas::drawRectangle);
}

CCorteGrafico::CCorteGrafico(const Rect& rect, const ElementAppearance& appearance)
    : CElemGrafico(rect, appearance) {
    std::int64_t x1 = rect.left, y1 = rect.top, x2 = rect.right, y2 = rect.bottom;
    std::int64_t s = x1 + x2;
    std::int64_t h = y1 * y1 + y2 * y2 + 4 * x1 * x2 - 2 * y1 * y2;
    // s² − h = (x2 − x1)² − (y2 − y1)²; the layout never makes a cut higher than wide.
    double root = std::sqrt(static_cast<double>(std::max<std::int64_t>(s * s - h, 0)));
    double y = static_cast<double>((y1 + y2) / 2);
    foci_ = {(static_cast<double>(s) + root) / 2.0, y, (static_cast<double>(s) - root) / 2.0, y};
}

void CCorteGrafico::Draw(Canvas& canvas) const {
    paintOutlined(canvas, currentFill(), &Canvas::drawEllipse);
}

void CCorteGrafico::DrawHighlighted(Canvas& canvas) const {
    paintOutlined(canvas, appearance_.markedFillColor, &Canvas::drawEllipse);
}

bool CCorteGrafico::HitTest(int x, int y) const {
    double distances = std::hypot(x - foci_[0], y - foci_[1]) + std::hypot(x - foci_[2], y - foci_[3]);
    double axis = static_cast<double>(bottomRight_.x) - topLeft_.x;
    // A point on the ellipse counts; the tolerance absorbs the rounding of the square roots.
    return distances <= axis + 1e-9 * (axis > 1.0 ? axis : 1.0);
}

void CLetraGrafico::Draw(Canvas& canvas) const {
    paintLetter(canvas, currentFill());
}

void CLetraGrafico::DrawHighlighted(Canvas& canvas) const {
    paintLetter(canvas, appearance_.markedFillColor);
}

void CLetraGrafico::paintLetter(Canvas& canvas, Colour fill) const {
    // No outline is drawn, but the pen keeps the block's width and colour.
    Pen previousPen = canvas.selectPen({Pen::Style::Null, appearance_.penWidth, appearance_.penColor});
    Brush previousBrush = canvas.selectBrush({fill});
    canvas.drawRectangle(GetRect());
    canvas.drawCentredText(GetRect(), text_, appearance_.font, appearance_.textColor);
    canvas.selectPen(previousPen);
    canvas.selectBrush(previousBrush);
}

} // namespace osmira
