#pragma once

#include "osmira/element_appearance.h"
#include "osmira/osmira_doc.h"

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
} // namespace layout

// Lays out a diagram from a bracket form: the sheet, then one element per character that is
// not ']', each placed left to right and centred vertically in the box of its predecessor.
// Linear in the length. The form must fit an exercise (FitsAnExercise), which keeps every
// coordinate inside 32 bits; readers, rules and commands refuse longer ones.
void BuildDiagram(COsmiraDoc& diagram, const AppearanceSet& appearances, std::string_view bracket);

} // namespace osmira
