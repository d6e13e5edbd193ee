#include "diagram_picture.h"
#include "painter_canvas.h"
#include "scaled_down_canvas.h"

#include "osmira/model/drawing.h"
#include "osmira/model/element_appearance.h"
#include "osmira/model/layout.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace osmira::render {

QSize pictureSize(std::int64_t width, std::int64_t height) {
    if (width <= 0 || height <= 0) {
        return {};
    }
    const double pixels = static_cast<double>(width) * static_cast<double>(height);
    const double longest = static_cast<double>(std::max(width, height));
    const double scale = std::min({1.0, std::sqrt(static_cast<double>(kLargestPicturePixels) / pixels),
                                   static_cast<double>(kWidestPicture) / longest});
    // Rounded down, so that the product stays within the budget; a thin sheet keeps one pixel.
    const auto side = [scale](std::int64_t extent) {
        return static_cast<int>(std::max<double>(1.0, std::floor(static_cast<double>(extent) * scale)));
    };
    return {side(width), side(height)};
}

QImage drawnPicture(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height,
                    const std::function<void(Canvas&)>& draw) {
    const QSize size = pictureSize(width, height);
    if (size.isEmpty()) {
        return {};
    }
    QImage picture(size, QImage::Format_RGB32);
    if (picture.isNull()) {
        return {};
    }
    picture.fill(Qt::white);
    QPainter painter(&picture);
    if (size.width() == width && size.height() == height) {
        painter.translate(-static_cast<double>(left), -static_cast<double>(top));
        PainterCanvas canvas(painter);
        draw(canvas);
        return picture;
    }
    const double scaleX = static_cast<double>(size.width()) / static_cast<double>(width);
    const double scaleY = static_cast<double>(size.height()) / static_cast<double>(height);
    painter.scale(scaleX, scaleY);
    painter.translate(-static_cast<double>(left), -static_cast<double>(top));
    ScaledDownCanvas canvas(painter, std::max(scaleX, scaleY));
    draw(canvas);
    return picture;
}

QImage diagramPicture(const COsmiraDoc& step) {
    const auto& elements = step.GetElements();
    if (elements.empty() || !elements.front()->GetGraphic()) {
        return {};
    }
    // The layout places the sheet at the view's origin offset; the picture starts at the sheet.
    // In 64 bits: a sheet may span the whole 32-bit range.
    const Rect sheet = elements.front()->GetGraphic()->GetRect();
    return drawnPicture(sheet.left, sheet.top, std::int64_t{sheet.right} - sheet.left,
                        std::int64_t{sheet.bottom} - sheet.top,
                        [&step](Canvas& canvas) { drawStep(step, canvas); });
}

QImage bracketFormPicture(const std::string& bracket, const std::vector<int>& marked) {
    COsmiraDoc step;
    BuildDiagram(step, defaultAppearances(), bracket);
    const auto& elements = step.GetElements();
    for (const int position : marked) {
        if (position >= 0 && static_cast<std::size_t>(position) < elements.size()) {
            elements[static_cast<std::size_t>(position)]->GetGraphic()->Mark();
        }
    }
    return diagramPicture(step);
}

} // namespace osmira::render
