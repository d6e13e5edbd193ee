#include "diagram_picture.h"
#include "painter_canvas.h"

#include "osmira/element_appearance.h"
#include "osmira/layout.h"

#include <QPainter>

namespace osmira::render {

QImage DiagramPicture(const COsmiraDoc& step) {
    const auto& elements = step.GetElements();
    if (elements.empty() || !elements.front()->GetGraphic()) {
        return {};
    }
    const Rect sheet = elements.front()->GetGraphic()->GetRect();
    QImage picture(sheet.right - sheet.left, sheet.bottom - sheet.top, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    // The layout places the sheet at the view's origin offset; the picture starts at the sheet.
    painter.translate(-sheet.left, -sheet.top);
    PainterCanvas canvas(painter);
    for (const auto& element : elements) {
        if (element->GetGraphic()) {
            element->GetGraphic()->Draw(canvas);
        }
    }
    return picture;
}

QImage BracketFormPicture(const std::string& bracket, const std::vector<int>& marked) {
    COsmiraDoc step;
    BuildDiagram(step, DefaultAppearances(), bracket);
    const auto& elements = step.GetElements();
    for (const int position : marked) {
        if (position >= 0 && static_cast<std::size_t>(position) < elements.size()) {
            elements[static_cast<std::size_t>(position)]->GetGraphic()->Mark();
        }
    }
    return DiagramPicture(step);
}

} // namespace osmira::render
