#pragma once

#include "osmira/model/elemento.h"
#include "osmira/model/osmira_doc.h"

#include <QRect>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace osmira::workbench {

// How far beyond its rectangle an element's drawing may reach: half its pen and, for a letter,
// the glyph centred in its cell, which a large font makes wider and taller than the cell.
class DrawnMargins {
  public:
    std::int64_t of(const ElementAppearance& appearance, ElementKind kind);

  private:
    // Measuring a font asks fontconfig for its face; a diagram's letters share one font.
    std::optional<FontDescription> measuredFont_;
    int overhang_ = 0;
};

// Which elements a paint has to draw: those whose drawing reaches the exposed rectangle
// (logical units).
class ExposedArea {
  public:
    explicit ExposedArea(const QRect& exposed) : exposed_(exposed) {}

    bool reaches(const CElemento& element);

  private:
    QRect exposed_;
    DrawnMargins margins_;
};

// The elements of a diagram that can reach a part of the page, in list order, found once: a paint
// then looks at these and not at every element of a diagram that may hold hundreds of thousands.
// Rectangles never change once a diagram is built, and an element's look only ever becomes one of
// its exercise's, so the widest margin of those bounds every element's margin for good.
class ShownElements {
  public:
    const std::vector<const CElemento*>& within(const COsmiraDoc& diagram, const QRect& part);

  private:
    const COsmiraDoc* diagram_ = nullptr;
    std::size_t count_ = 0;
    QRect part_;
    std::vector<const CElemento*> elements_;
};

} // namespace osmira::workbench
