#include "osmira/model/drawing.h"

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

namespace {

// The sheet's rectangle; empty for a step without elements.
Rect sheetBounds(const COsmiraDoc& step) {
    const auto& elements = step.GetElements();
    if (!elements.empty() && elements.front()->GetGraphic() != nullptr) {
        return elements.front()->GetGraphic()->GetRect();
    }
    return {};
}

constexpr Colour kBlack = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;

DrawnShape outline(DrawnShape::Kind kind, const Rect& rect, std::int32_t penWidth, bool dashed) {
    DrawnShape shape;
    shape.kind = kind;
    shape.rect = rect;
    shape.pen = {Pen::Style::Solid, penWidth, kBlack};
    shape.hollow = true;
    shape.dashed = dashed;
    return shape;
}

Drawing printedDrawing(const COsmiraDoc& step, bool showMark) {
    Drawing drawing;
    drawing.bounds = sheetBounds(step);
    drawing.lettering = Lettering::Document;
    for (const auto& element : step.GetElements()) {
        const CElemGrafico* graphic = element->GetGraphic();
        if (graphic == nullptr) {
            continue;
        }
        const Rect rect = graphic->GetRect();
        const bool marked = showMark && graphic->isMarked();
        switch (element->kind()) {
        case ElementKind::Sheet: {
            DrawnShape sheet = outline(DrawnShape::Kind::Rectangle, rect, kPrintedSheetPen, marked);
            sheet.brush = {kWhite};
            sheet.hollow = false;
            drawing.shapes.push_back(sheet);
            break;
        }
        case ElementKind::Cut:
            drawing.shapes.push_back(outline(DrawnShape::Kind::Ellipse, rect, kPrintedCutPen, marked));
            break;
        case ElementKind::Letter: {
            if (marked) {
                drawing.shapes.push_back(outline(DrawnShape::Kind::Rectangle, rect, kPrintedSheetPen, true));
            }
            DrawnShape letter;
            letter.kind = DrawnShape::Kind::Text;
            letter.rect = rect;
            letter.pen = {Pen::Style::Null, 0, kBlack};
            letter.text = std::string(1, element->GetLetter());
            letter.font = graphic->GetAppearance().font;
            letter.textColor = kBlack;
            drawing.shapes.push_back(letter);
            break;
        }
        }
    }
    return drawing;
}

} // namespace

Drawing stepDrawing(const COsmiraDoc& step) {
    Drawing drawing;
    drawing.bounds = sheetBounds(step);
    DrawingRecorder recorder;
    drawStep(step, recorder);
    drawing.shapes = recorder.takeShapes();
    return drawing;
}

Drawing figureDrawing(const COsmiraDoc& step, FigureStyle style) {
    return style == FigureStyle::Window ? stepDrawing(step)
                                        : printedDrawing(step, style == FigureStyle::PrintWithMark);
}

} // namespace osmira
