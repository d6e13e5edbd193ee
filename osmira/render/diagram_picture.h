#pragma once

#include "osmira/osmira_doc.h"

#include <QImage>

#include <string>
#include <vector>

namespace osmira::render {

// The step drawn at one pixel per drawing unit on white, cropped to its sheet's rectangle;
// a null image for a step without elements. Marked elements show their marked fill.
QImage DiagramPicture(const COsmiraDoc& step);

// The diagram laid out from a bracket form with the appearance of a new exercise, the
// elements at the given list positions (0 = the sheet) marked, as a picture.
QImage BracketFormPicture(const std::string& bracket, const std::vector<int>& marked = {});

} // namespace osmira::render
