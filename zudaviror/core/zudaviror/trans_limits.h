#pragma once

#include <cstddef>
#include <string_view>

// The sizes the translation's tables and world letters allow.
namespace zudaviror {

inline constexpr std::size_t kMaxLeaves = 11;
inline constexpr std::size_t kMaxModalNesting = 19;
inline constexpr std::size_t kMaxLeafCodes = 29;

struct FormulaMeasures {
    std::size_t leaves = 0;       // atom occurrences
    std::size_t modalNesting = 0; // most modal operators around one atom
    std::size_t longestLeaf = 0;  // unary operators and the atom that ends them
};

// Measures a formula the keypad can produce.
FormulaMeasures measureFormula(std::string_view formula);

} // namespace zudaviror
