#include "exposed_area.h"

#include "painter_canvas.h"

#include <QFontMetrics>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace osmira::workbench {

bool ExposedArea::reaches(const CElemento& element) {
    const CElemGrafico* graphic = element.GetGraphic();
    if (graphic == nullptr) {
        return false;
    }
    const Rect rect = graphic->GetRect();
    const ElementAppearance appearance = graphic->GetAppearance();
    // Rectangles and pens come from files too: 64 bits hold any sum of them.
    std::int64_t margin = std::abs(std::int64_t{appearance.penWidth}) + 1;
    if (element.Kind() == ElementKind::Letter) {
        margin += textOverhang(appearance.font);
    }
    return std::int64_t{rect.left} - margin <= exposed_.right() &&
           std::int64_t{rect.right} + margin >= exposed_.left() &&
           std::int64_t{rect.top} - margin <= exposed_.bottom() &&
           std::int64_t{rect.bottom} + margin >= exposed_.top();
}

int ExposedArea::textOverhang(const FontDescription& font) {
    if (measuredFont_ != font) {
        const QFontMetrics metrics(render::qtFont(font));
        overhang_ = std::max(metrics.maxWidth(), metrics.height());
        measuredFont_ = font;
    }
    return overhang_;
}

} // namespace osmira::workbench
