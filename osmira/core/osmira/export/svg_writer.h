#pragma once

#include "osmira/model/drawing.h"

#include <optional>
#include <string>

namespace osmira {

// A drawing as an SVG 1.1 file (UTF-8): the shapes in drawing order at their own coordinates,
// cuts as ellipses, letters as text, the colours as drawn; the picture is the drawing's bounds
// and the reach of the widest pen beyond them.
std::string svgDocument(const Drawing& drawing);

// The same picture as an <svg> element to put inside an HTML page, no wider than `widest`
// pixels (scaled down alike in both directions).
std::string svgElement(const Drawing& drawing, std::optional<int> widest = std::nullopt);

} // namespace osmira
