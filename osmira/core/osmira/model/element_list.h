#pragma once

#include "osmira/model/osmira_doc.h"

#include <string>

namespace osmira {

// The bracket form of a diagram, rebuilt from its element list: pre-order with depths.
std::string bracketFormOf(const COsmiraDoc& diagram);

// Whether the list can be a diagram: the sheet first and only there, every depth reached
// through the cuts before it, parities as the nesting gives them and letters A..Z.
bool hasDiagramStructure(const COsmiraDoc& diagram);

// Rebuilds every children list from the depths and the list order (a file does not store
// them). Assumes HasDiagramStructure.
void rebuildChildren(COsmiraDoc& diagram);

// The sheet or cut in whose area the element lies directly; null for the sheet.
const CElemento* parentOf(const COsmiraDoc& diagram, const CElemento& element);

// Whether the area of `outer` (a sheet or cut) is the area of `inner` or encloses it.
bool areaContains(const COsmiraDoc& diagram, const CElemento* outer, const CElemento* inner);

} // namespace osmira
