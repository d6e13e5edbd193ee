#pragma once

#include "zudaviror/keypad_keys.h"

#include <cstddef>
#include <string_view>

// Which keys may come next, worked out from the formula alone.
namespace zudaviror {

// The formula box holds at most this many codes; a full formula takes no further code.
inline constexpr std::size_t kMaxFormulaCodes = 255;

// Returned by keypadState for a text the keypad could not have produced.
inline constexpr int kNoKeypadState = 0;

// 1..5 for a formula the keypad produced; kNoKeypadState for text outside its rules.
int keypadState(std::string_view formula);

struct KeypadStateGroups {
    bool atom = false;
    bool unary = false;
    bool open = false;
    bool close = false;
    bool binary = false;
    bool translate = false;
};

// The keys that applyKeypadState enables in a state; none in kNoKeypadState.
KeypadStateGroups keypadStateGroups(int state);

bool groupEnabled(const KeypadStateGroups& groups, KeyGroup group);

struct KeypadCheck {
    bool producible = false;
    // Index of the first code whose key is disabled where it stands, or the formula's
    // length when every code is accepted but the formula cannot yet be translated.
    std::size_t refusedAt = 0;
};

// Replays the formula on the keypad, code by code. The length limit is not part of this check.
KeypadCheck checkKeyedFormula(std::string_view formula);

// True when the keypad can produce the formula: every code accepted in its place, the last
// state one that enables TRADUCIR, and no more than kMaxFormulaCodes codes.
bool keypadCanProduce(std::string_view formula);

} // namespace zudaviror
