#pragma once

#include "osmira/model/canvas.h"

#include <QColor>
#include <QFont>

#include <optional>

class QPainter;

namespace osmira::render {

QColor qtColour(Colour colour);
Colour modelColour(const QColor& colour);

// The font a description asks for: its face by name ("Arial", "Times New Roman", …, with
// DejaVu Sans where the face is missing), a negative height as pixels, weight and italics.
QFont qtFont(const FontDescription& font);

// The core's canvas on a QPainter (a widget, a printer or an image), in the painter's current
// coordinates: one drawing unit is one unit of the painter.
class PainterCanvas : public Canvas {
  public:
    explicit PainterCanvas(QPainter& painter);

    Pen selectPen(const Pen& pen) override;
    Brush selectBrush(const Brush& brush) override;
    void drawRectangle(const Rect& rect) override;
    void drawEllipse(const Rect& rect) override;
    void drawCentredText(const Rect& rect, const std::string& text, const FontDescription& font,
                         Colour textColor) override;

  protected:
    enum class Shape { Rectangle, Ellipse };
    // The shape as drawRectangle or drawEllipse draws it, with or without its outline and fill.
    void drawShape(Shape shape, const Rect& rect, bool outline, bool fill);
    const Pen& pen() const { return pen_; }
    const Brush& brush() const { return brush_; }

  private:
    QPainter& painter_;
    Pen pen_;
    Brush brush_;
    // Asking for a face by name goes to fontconfig; every letter of a diagram has the same font.
    std::optional<FontDescription> fontAsked_;
    QFont font_;
};

} // namespace osmira::render
