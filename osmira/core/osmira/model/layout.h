#pragma once

#include "osmira/model/element_appearance.h"
#include "osmira/model/osmira_doc.h"

#include <cstdint>
#include <string_view>

namespace osmira {

namespace layout {
inline constexpr int kOrigin = 50;
inline constexpr int kCellWidth = 20;
inline constexpr int kCellHeight = 18;
inline constexpr int kStep = 20;
inline constexpr int kLevelHeight = 40;
inline constexpr int kBaseHeight = 18;
inline constexpr int kBaseHeightWithLetter = 58;
// The sheet of a first step without a conclusion, square and empty.
inline constexpr int kEmptySheetSide = 100;
} // namespace layout

// Lays out a diagram from a bracket form: the sheet, then one element per character that is
// not ']', each placed left to right and centred vertically in the box of its predecessor.
// Linear in the length. The form must fit an exercise (FitsAnExercise), which keeps every
// coordinate inside 32 bits; readers, rules and commands refuse longer ones.
void BuildDiagram(COsmiraDoc& diagram, const AppearanceSet& appearances, std::string_view bracket);

// Every coordinate the layout gives a form that fits an exercise lies in [0, 2^26].
inline constexpr std::int32_t kFarthestCoordinate = std::int32_t{1} << 26;

// Whether the drawn rectangles of a diagram with a valid structure could be a layout of it:
// coordinates in [0, kFarthestCoordinate], the sheet no larger than BuildDiagram makes it for
// this element list, and every element inside its area's rectangle. Windows and pictures draw
// these rectangles, so a file must not make them arbitrarily large. Linear in the list.
bool hasLayoutGeometry(const COsmiraDoc& diagram);

} // namespace osmira
