#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The working state of one translation. A fresh one is made for every translation,
// so nothing of a previous formula can leak into the next.
namespace zudaviror {

inline constexpr std::size_t kLeafTableSize = 12;

struct LeafTable {
    std::array<char, kLeafTableSize> leafLetter{}; // the atom that ends leaf i
    std::array<char, kLeafTableSize> leafAlias{};  // what stands for it in workText
};

struct TransState {
    std::string workText;
    std::uint16_t leafCount = 0;
    LeafTable leaves;
    std::string stepText;
};

// Records the working string as one step of the translation.
inline void appendSnapshot(TransState& state) {
    state.stepText.append("\n\t _ ");
    state.stepText.append(state.workText);
}

} // namespace zudaviror
