#pragma once

#include "osmira/model/element_appearance.h"
#include "osmira/model/geometry.h"

#include <string>

namespace osmira {

struct Pen {
    enum class Style { Solid, Null };
    Style style = Style::Solid;
    std::int32_t width = 0;
    Colour color = 0;
    bool operator==(const Pen&) const = default;
};

struct Brush {
    Colour color = 0;
    bool operator==(const Brush&) const = default;
};

// The drawing primitives the drawn elements need; the screen, the printer and pictures
// implement it. Selecting a pen or brush returns the one it replaces, so that a drawing
// can put the previous one back.
class Canvas {
  public:
    virtual ~Canvas() = default;
    virtual Pen selectPen(const Pen& pen) = 0;
    virtual Brush selectBrush(const Brush& brush) = 0;
    virtual void drawRectangle(const Rect& rect) = 0;
    // The ellipse inscribed in the rectangle.
    virtual void drawEllipse(const Rect& rect) = 0;
    // One line centred both ways in the rectangle, on a transparent background; the canvas
    // restores its own text colour and font afterwards.
    virtual void drawCentredText(const Rect& rect, const std::string& text, const FontDescription& font,
                                 Colour textColor) = 0;
};

} // namespace osmira
