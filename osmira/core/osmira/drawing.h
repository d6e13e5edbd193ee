#pragma once

#include "osmira/canvas.h"
#include "osmira/elemento.h"
#include "osmira/geometry.h"
#include "osmira/osmira_doc.h"

#include <string>
#include <utility>
#include <vector>

namespace osmira {

// One primitive a drawing painted, with the pen and brush selected when it was painted.
struct DrawnShape {
    enum class Kind { Rectangle, Ellipse, Text };
    Kind kind = Kind::Rectangle;
    Rect rect;
    Pen pen;
    Brush brush;
    // Text only: Latin-1, centred in the rectangle.
    std::string text;
    FontDescription font;
    Colour textColor = 0;
    bool operator==(const DrawnShape&) const = default;
};

// What a step looks like, as the sequence of shapes its elements draw: the description the
// vector exports write out, made by the same drawing code that paints the window.
struct Drawing {
    // The sheet's rectangle; empty for a step without elements.
    Rect bounds;
    std::vector<DrawnShape> shapes;
};

// A canvas that keeps what is drawn on it instead of painting.
class DrawingRecorder : public Canvas {
  public:
    Pen selectPen(const Pen& pen) override;
    Brush selectBrush(const Brush& brush) override;
    void drawRectangle(const Rect& rect) override;
    void drawEllipse(const Rect& rect) override;
    void drawCentredText(const Rect& rect, const std::string& text, const FontDescription& font,
                         Colour textColor) override;

    std::vector<DrawnShape> takeShapes() { return std::move(shapes_); }

  private:
    std::vector<DrawnShape> shapes_;
    Pen pen_;
    Brush brush_;
};

// One element's graphic, highlighted (the marked fill) or as it is; nothing without a graphic.
void drawElement(const CElemento& element, Canvas& canvas, bool highlighted);

// Every element of the step in list order, so that containers lie under what they enclose;
// `highlighted` (the view's selection) with its marked fill.
void drawStep(const COsmiraDoc& step, Canvas& canvas, const CElemento* highlighted = nullptr);

// The step drawn as a window draws it with nothing selected.
Drawing stepDrawing(const COsmiraDoc& step);

} // namespace osmira
