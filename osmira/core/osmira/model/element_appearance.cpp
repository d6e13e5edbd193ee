#include "osmira/model/element_appearance.h"

#include <cstring>

namespace osmira {

namespace {

FontDescription makeDefaultFont() {
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

FontDescription defaultFont() {
    static const FontDescription font = makeDefaultFont();
    return font;
}

AppearanceSet defaultAppearances() {
    AppearanceSet set;
    set.sheet = {2, 0x000000, kDefaultFillColour, kDefaultMarkedFillColour, 0, defaultFont()};
    set.cut = {2, 0x000000, kDefaultFillColour, kDefaultMarkedFillColour, 0, FontDescription{}};
    set.letter = {0, 0, kDefaultFillColour, kDefaultMarkedFillColour, 0x000000, defaultFont()};
    return set;
}

} // namespace osmira
