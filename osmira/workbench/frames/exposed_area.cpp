#include "exposed_area.h"

#include "osmira/model/ejercicio.h"

#include "painter_canvas.h"

#include <QFontMetrics>

#include <algorithm>
#include <cstdlib>

namespace osmira::workbench {

namespace {

// Rectangles and pens come from files too: 64 bits hold any sum of them.
bool meets(const Rect& rect, std::int64_t margin, const QRect& area) {
    return std::int64_t{rect.left} - margin <= area.right() &&
           std::int64_t{rect.right} + margin >= area.left() &&
           std::int64_t{rect.top} - margin <= area.bottom() &&
           std::int64_t{rect.bottom} + margin >= area.top();
}

} // namespace

std::int64_t DrawnMargins::of(const ElementAppearance& appearance, ElementKind kind) {
    std::int64_t margin = std::abs(std::int64_t{appearance.penWidth}) + 1;
    if (kind != ElementKind::Letter) {
        return margin;
    }
    if (measuredFont_ != appearance.font) {
        const QFontMetrics metrics(render::qtFont(appearance.font));
        overhang_ = std::max(metrics.maxWidth(), metrics.height());
        measuredFont_ = appearance.font;
    }
    return margin + overhang_;
}

bool ExposedArea::reaches(const CElemento& element) {
    const CElemGrafico* graphic = element.GetGraphic();
    return graphic != nullptr &&
           meets(graphic->GetRect(), margins_.of(graphic->GetAppearance(), element.kind()), exposed_);
}

const std::vector<const CElemento*>& ShownElements::within(const COsmiraDoc& diagram, const QRect& part) {
    const auto& all = diagram.GetElements();
    if (&diagram == diagram_ && all.size() == count_ && part_.contains(part)) {
        return elements_;
    }
    diagram_ = &diagram;
    count_ = all.size();
    part_ = part;
    elements_.clear();
    DrawnMargins margins;
    std::int64_t widest = 0;
    if (const CEjercicio* exercise = diagram.GetExercise()) {
        const AppearanceSet& looks = exercise->GetAppearances();
        widest =
            std::max({margins.of(looks.sheet, ElementKind::Sheet), margins.of(looks.cut, ElementKind::Cut),
                      margins.of(looks.letter, ElementKind::Letter)});
    }
    for (const auto& element : all) {
        if (const CElemGrafico* graphic = element->GetGraphic()) {
            widest = std::max(widest, margins.of(graphic->GetAppearance(), element->kind()));
        }
    }
    for (const auto& element : all) {
        if (element->GetGraphic() != nullptr && meets(element->GetGraphic()->GetRect(), widest, part)) {
            elements_.push_back(element.get());
        }
    }
    return elements_;
}

} // namespace osmira::workbench
