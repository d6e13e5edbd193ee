#include "osmira/drawing.h"

namespace osmira {

Pen DrawingRecorder::selectPen(const Pen& pen) {
    const Pen previous = pen_;
    pen_ = pen;
    return previous;
}

Brush DrawingRecorder::selectBrush(const Brush& brush) {
    const Brush previous = brush_;
    brush_ = brush;
    return previous;
}

void DrawingRecorder::drawRectangle(const Rect& rect) {
    shapes_.push_back({DrawnShape::Kind::Rectangle, rect, pen_, brush_, {}, {}, 0});
}

void DrawingRecorder::drawEllipse(const Rect& rect) {
    shapes_.push_back({DrawnShape::Kind::Ellipse, rect, pen_, brush_, {}, {}, 0});
}

void DrawingRecorder::drawCentredText(const Rect& rect, const std::string& text, const FontDescription& font,
                                      Colour textColor) {
    shapes_.push_back({DrawnShape::Kind::Text, rect, pen_, brush_, text, font, textColor});
}

void drawElement(const CElemento& element, Canvas& canvas, bool highlighted) {
    const CElemGrafico* graphic = element.GetGraphic();
    if (graphic == nullptr) {
        return;
    }
    if (highlighted) {
        graphic->DrawHighlighted(canvas);
    } else {
        graphic->Draw(canvas);
    }
}

void drawStep(const COsmiraDoc& step, Canvas& canvas, const CElemento* highlighted) {
    for (const auto& element : step.GetElements()) {
        drawElement(*element, canvas, element.get() == highlighted);
    }
}

Drawing stepDrawing(const COsmiraDoc& step) {
    Drawing drawing;
    const auto& elements = step.GetElements();
    if (!elements.empty() && elements.front()->GetGraphic() != nullptr) {
        drawing.bounds = elements.front()->GetGraphic()->GetRect();
    }
    DrawingRecorder recorder;
    drawStep(step, recorder);
    drawing.shapes = recorder.takeShapes();
    return drawing;
}

} // namespace osmira
