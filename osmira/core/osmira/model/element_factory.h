#pragma once

#include "osmira/model/element_appearance.h"
#include "osmira/model/geometry.h"
#include "osmira/model/osmira_doc.h"

namespace osmira {

// Kinds of element as CreateElement names them.
inline constexpr char kSheetKind = 'H';
inline constexpr char kCutKind = 'C';
inline constexpr char kLetterKind = 'L';

// Creates the drawn element with a copy of the block for its kind, then the logical element,
// and appends it to the diagram's list. Returns nothing for an unknown kind.
CElemento* CreateElement(COsmiraDoc& diagram, const AppearanceSet& appearances, const Rect& rect, int parity,
                         int depth, char kind);

} // namespace osmira
