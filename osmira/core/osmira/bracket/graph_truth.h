#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace osmira {

// Truth values given to some of the letters A..Z: bit k stands for letter 'A' + k.
struct Valuation {
    std::uint32_t known = 0;
    std::uint32_t value = 0;

    bool has(char letter) const { return (known >> (letter - 'A')) & 1U; }
    bool of(char letter) const { return (value >> (letter - 'A')) & 1U; }
    Valuation with(char letter, bool truth) const;
};

// The letters a bracket form uses, one bit each as in Valuation.
std::uint32_t lettersOf(std::string_view bracket);

// The truth of a juxtaposition (true when empty; a cut negates its interior) under the
// valuation, or nothing when it depends on a letter the valuation leaves open.
std::optional<bool> truthOf(std::string_view bracket, const Valuation& valuation);

} // namespace osmira
