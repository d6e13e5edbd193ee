#pragma once

#include "osmira/model/drawing.h"

#include <string>

namespace osmira {

// A drawing's width on paper is at most this many points: the text width of an A4 article.
inline constexpr double kWidestTikzPicture = 340.0;
// One drawing unit, a pixel of the window, is 0.75 pt (96 to the inch) when the drawing fits.
inline constexpr double kTikzPointsPerUnit = 0.75;

// A drawing as a tikzpicture environment (UTF-8) for a LaTeX document that loads TikZ: the
// shapes in drawing order, the colours as drawn, the letters as text in a font like the
// window's. Coordinates are in points from the bounds' top-left corner, scaled down alike in
// both directions when the drawing would be wider than kWidestTikzPicture.
std::string tikzPicture(const Drawing& drawing);

} // namespace osmira
