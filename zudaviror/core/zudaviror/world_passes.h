#pragma once

#include "zudaviror/trans_state.h"

// The passes that give every modal operator its scope and every atom its world.
namespace zudaviror {

// Expands the modal operators left in front of compound formulas by the leaf pass.
void expandModalCompound(TransState& state);

// Gives every atom marker the free world u: "(c)" becomes "(c)[u]".
void markWorld(TransState& state);

// Binds each modal scope to the world letter of its nesting depth and moves the atoms
// of a scope to the world it binds.
void renameWorldVariables(TransState& state);

} // namespace zudaviror
