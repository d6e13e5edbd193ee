#pragma once

#include <array>
#include <cstdint>

namespace osmira {

// 0x00BBGGRR, red in the low byte.
using Colour = std::uint32_t;

// A logical-font description of 60 bytes; a negative height is a character height in pixels.
struct FontDescription {
    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    std::array<char, 32> faceName{};
    bool operator==(const FontDescription&) const = default;
};
static_assert(sizeof(FontDescription) == 60, "a font description is fifteen words");

// Twenty words: pen width, four colours and the font.
struct ElementAppearance {
    std::int32_t penWidth = 0;
    Colour penColor = 0;
    Colour fillColor = 0;
    Colour markedFillColor = 0;
    Colour textColor = 0;
    FontDescription font;
    bool operator==(const ElementAppearance&) const = default;
};
static_assert(sizeof(ElementAppearance) == 80, "an appearance block is twenty words");

// The exercise's three blocks, one per kind of element.
struct AppearanceSet {
    ElementAppearance letter;
    ElementAppearance cut;
    ElementAppearance sheet;
    bool operator==(const AppearanceSet&) const = default;
};

inline constexpr Colour kDefaultFillColour = 0xD8D8D8;
inline constexpr Colour kDefaultMarkedFillColour = 0xC8C896;

// Arial bold, 13 pixels high.
FontDescription defaultFont();
AppearanceSet defaultAppearances();

} // namespace osmira
