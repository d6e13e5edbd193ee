#pragma once

#include "osmira/model/osmira_doc.h"

#include <Qt>

#include <optional>

namespace osmira::workbench {

// How a key moves the selection of a step: Tab and Shift+Tab through the elements in drawing
// order (the sheet, then every cut and letter in pre-order, round again at the end), Inicio to
// the sheet, Arriba to the enclosing cut (or the sheet), Abajo into a cut (its first graph),
// Izquierda and Derecha to the graph before or after in the same area.
enum class SelectionMove { Next, Previous, Sheet, Enclosing, Inside, PreviousInArea, NextInArea };

// The move a key asks for; nothing for any other key.
std::optional<SelectionMove> selectionMoveFor(int key, Qt::KeyboardModifiers modifiers);

// The element the move selects from `current` (null: nothing selected yet, and the move starts
// at the sheet, or at the first graph for Tab and the last element for Shift+Tab). A move that
// leads nowhere keeps `current`.
CElemento* movedSelection(const COsmiraDoc& step, const CElemento* current, SelectionMove move);

} // namespace osmira::workbench
