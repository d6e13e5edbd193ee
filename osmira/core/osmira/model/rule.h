#pragma once

#include <cstdint>

namespace osmira {

// The rules a step can be transformed by; the number is what a step stores and the archive
// writes as a 32-bit integer.
enum class Rule : std::int32_t {
    None = 0,
    Erasure = 1,
    Insertion = 2,
    Iteration = 3,
    Deiteration = 4,
    DoubleCut = 5
};

// Where the double-cut dialog puts the two cuts of a cut or a group: inside it or around it.
enum class DoubleCutPosition : std::int32_t { Inside = 0, Around = 1 };

} // namespace osmira
