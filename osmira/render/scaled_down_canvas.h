#pragma once

#include "painter_canvas.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace osmira::render {

// The canvas of a picture drawn smaller than its drawing, at `scale` pixels a unit (below 1), which
// paints only what can be seen at that scale: a shape smaller than a pixel both ways is left out,
// with its letter; a fill is left out where the shape lies inside the one it stands in and has its
// fill, which would paint that colour over itself; an outline is left out where its pen is too
// thin to show, and a thin one within a pixel of the outline last drawn around it is drawn with
// the next one further in, whose pen takes its width (Qt shows a thin pen as a faint line, as
// faint as it is thin). The largest exercise has 295,000 cuts, most of them nested in one
// another, each of which was filled at nearly the picture's size, then outlined in a pen of a
// 400th of a pixel.
class ScaledDownCanvas : public PainterCanvas {
  public:
    ScaledDownCanvas(QPainter& painter, double scale);

    void drawRectangle(const Rect& rect) override;
    void drawEllipse(const Rect& rect) override;
    void drawCentredText(const Rect& rect, const std::string& text, const FontDescription& font,
                         Colour textColor) override;

  private:
    // An outlined shape, which later shapes may stand in; the outline last drawn around them, and
    // the width of the thin ones left out since, for the next one drawn further in.
    struct Surrounding {
        Shape shape;
        Rect rect;
        Colour fill;
        Pen pen;
        Rect lastOutline;
        std::int32_t owedWidth;
    };
    void drawSeen(Shape shape, const Rect& rect);
    // The width of pen to outline `rect` with, nothing where no outline is drawn; `rect` is
    // remembered for the shapes that stand in it.
    std::optional<std::int32_t> outlineOf(Shape shape, const Rect& rect);
    void drawOutlined(Shape shape, const Rect& rect, bool fill, std::int32_t penWidth);
    bool seen(const Rect& rect) const;
    bool outlineShows() const;
    bool withinAPixelOfTheLastOutline(const Rect& rect) const;
    // Forgets the shapes `rect` does not lie in, so that the last one left is the one it stands in.
    void leaveThoseAround(const Rect& rect);
    bool fillsItsOwnColour(Shape shape, const Rect& rect) const;

    double scale_;
    std::vector<Surrounding> surroundings_;
};

} // namespace osmira::render
