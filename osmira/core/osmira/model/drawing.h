#pragma once

#include "osmira/model/canvas.h"
#include "osmira/model/elemento.h"
#include "osmira/model/geometry.h"
#include "osmira/model/osmira_doc.h"

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
    // Figures for paper only: an outline with nothing inside it, a dashed outline.
    bool hollow = false;
    bool dashed = false;
    bool operator==(const DrawnShape&) const = default;
};

// How an export draws a step.
enum class FigureStyle {
    Print,         // for paper: a white sheet, black outlines, letters in the document's font
    PrintWithMark, // the same with the element the rule acted on outlined in dashes
    Window         // as the window paints it: the exercise's colours and font, the marked fill
};

// The letters' face: the one each letter's appearance names, or the one of the document that
// takes the figure (italic serif capitals, as logic texts set them).
enum class Lettering { Appearance, Document };

// What a step looks like, as the sequence of shapes its elements draw: the description the
// vector exports write out, made by the same drawing code that paints the window.
struct Drawing {
    // The sheet's rectangle; empty for a step without elements.
    Rect bounds;
    std::vector<DrawnShape> shapes;
    Lettering lettering = Lettering::Appearance;
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

// Pen widths of a figure for paper, in drawing units: the sheet's thin border, every cut alike.
inline constexpr std::int32_t kPrintedSheetPen = 1;
inline constexpr std::int32_t kPrintedCutPen = 2;

// The step as an export draws it: stepDrawing for the window's look; for paper, the sheet white
// with a thin black border, each cut a black outline with nothing inside, each letter alone in
// the document's font, and with PrintWithMark the marked element's outline dashed (a letter's
// box drawn dashed around it).
Drawing figureDrawing(const COsmiraDoc& step, FigureStyle style);

} // namespace osmira
