#pragma once

#include <string>
#include <string_view>

// TRANS: the translation of a modal formula into many-sorted logic.
namespace zudaviror {

enum class TransStatus {
    Translated,
    NotWellFormed,   // not a formula the keypad can produce
    TooManyCodes,    // beyond the formula box
    TooManyLeaves,   // beyond the leaf table and the renaming digits
    TooDeeplyNested, // beyond the world letters
    LeafTooLong,     // beyond the leaf text slot
    OutOfMemory,
};

struct TransOutcome {
    TransStatus status = TransStatus::Translated;
    std::string result;   // TRANS'(K)
    std::string stepText; // one "\n\t _ " and the working string per rewriting step
    std::string message;  // why a formula was refused (Latin-1); empty when translated

    bool translated() const { return status == TransStatus::Translated; }
};

// Translates K, or refuses it before translating when it is not a keypad formula or lies
// beyond the limits. Allocation failure is reported as OutOfMemory, never thrown.
TransOutcome TRANS(std::string_view K);

// Why TRANS would refuse K, with its message; status Translated when it would not.
TransOutcome checkTransInput(std::string_view K);

} // namespace zudaviror
