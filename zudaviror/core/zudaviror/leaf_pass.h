#pragma once

#include "zudaviror/trans_state.h"

#include <string>
#include <string_view>

// The leaf pass: every leaf (unary operators ending in an atom) is put in a TRANS marker
// and its operators are expanded in place.
namespace zudaviror {

// Walks piece, a part of the formula, and rewrites its leaves, left to right, in state.workText.
void translateLeaves(TransState& state, std::string_view piece);

// The modal and negation prefixes of a leaf written out around its atom.
std::string expandPrefix(std::string_view leaf);

// Puts "TRANS/" before the first atom group "(c)" not yet marked.
std::string markTrans(std::string_view text);

} // namespace zudaviror
