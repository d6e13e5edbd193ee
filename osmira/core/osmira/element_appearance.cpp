#include "osmira/element_appearance.h"

#include <cstring>

namespace osmira {

namespace {

FontDescription MakeDefaultFont() {
    FontDescription font;
    font.height = -13;
    font.weight = 700;
    font.outPrecision = 3;
    font.clipPrecision = 2;
    font.quality = 1;
    font.pitchAndFamily = 0x22;
    std::memcpy(font.faceName.data(), "Arial", 5);
    return font;
}

} // namespace

FontDescription DefaultFont() {
    static const FontDescription font = MakeDefaultFont();
    return font;
}

AppearanceSet DefaultAppearances() {
    AppearanceSet set;
    set.sheet = {2, 0x000000, kDefaultFillColour, kDefaultMarkedFillColour, 0, DefaultFont()};
    set.cut = {2, 0x000000, kDefaultFillColour, kDefaultMarkedFillColour, 0, FontDescription{}};
    set.letter = {0, 0, kDefaultFillColour, kDefaultMarkedFillColour, 0x000000, DefaultFont()};
    return set;
}

} // namespace osmira
