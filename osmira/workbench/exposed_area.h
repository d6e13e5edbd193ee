#pragma once

#include "osmira/elemento.h"

#include <QRect>

#include <optional>

namespace osmira::workbench {

// Which elements a paint has to draw: those whose drawing reaches the exposed rectangle (logical
// units). An element draws inside its rectangle but for half its pen beyond the edges and, for a
// letter, the glyph centred in its cell, which a large font makes wider and taller than the cell.
class ExposedArea {
  public:
    explicit ExposedArea(const QRect& exposed) : exposed_(exposed) {}

    bool reaches(const CElemento& element);

  private:
    int textOverhang(const FontDescription& font);

    QRect exposed_;
    // Measuring a font asks fontconfig for its face; a diagram's letters share one font.
    std::optional<FontDescription> measuredFont_;
    int overhang_ = 0;
};

} // namespace osmira::workbench
