#pragma once

#include "osmira/model/canvas.h"
#include "osmira/model/osmira_doc.h"

#include <QImage>
#include <QSize>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace osmira::render {

// A picture holds at most this many pixels (128 MiB at 32 bits a pixel), however large the
// diagram it shows.
inline constexpr std::int64_t kLargestPicturePixels = std::int64_t{1} << 25;

// JPEG counts a side in 16 bits: a wider picture cannot be written at all.
inline constexpr std::int64_t kWidestPicture = 65500;

// The picture of a width × height drawing: one pixel per unit, or scaled down alike in both
// directions until it holds at most kLargestPicturePixels and no side is longer than
// kWidestPicture. Empty for an empty drawing.
QSize pictureSize(std::int64_t width, std::int64_t height);

// What `draw` paints on the drawing whose top-left corner is (left, top) and whose size is
// width × height units, on white, at PictureSize; a null image for an empty drawing or when the
// memory for the picture is lacking.
QImage drawnPicture(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height,
                    const std::function<void(Canvas&)>& draw);

// The step drawn at one pixel per drawing unit on white (scaled down as PictureSize says),
// cropped to its sheet's rectangle; a null image for a step without elements or an empty
// sheet. Marked elements show their marked fill.
QImage diagramPicture(const COsmiraDoc& step);

// The diagram laid out from a bracket form with the appearance of a new exercise, the
// elements at the given list positions (0 = the sheet) marked, as a picture.
QImage bracketFormPicture(const std::string& bracket, const std::vector<int>& marked = {});

} // namespace osmira::render
