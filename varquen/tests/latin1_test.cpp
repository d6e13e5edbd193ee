// The one conversion every message goes through, checked against code points written as numbers.
#include "varquen/latin1.h"

#include <gtest/gtest.h>

#include <string>

using varquen::latin1FromUtf8;
using varquen::utf8FromLatin1;

namespace {

TEST(Latin1, SourceCharactersBecomeTheirCodePoints) {
    const std::pair<const char*, unsigned char> cases[] = {
        {"a", 0x61}, {"á", 0xE1}, {"é", 0xE9}, {"í", 0xED}, {"ó", 0xF3}, {"ú", 0xFA}, {"ñ", 0xF1},
        {"Á", 0xC1}, {"Ñ", 0xD1}, {"¬", 0xAC}, {"ÿ", 0xFF}, {"€", '?'},  {"→", '?'},  {"😀", '?'},
    };
    for (const auto& [utf8, code] : cases) {
        EXPECT_EQ(latin1FromUtf8(utf8), std::string(1, static_cast<char>(code))) << utf8;
    }
}

TEST(Latin1, EveryByteSurvivesTheRoundTrip) {
    for (int byte = 0; byte < 256; ++byte) {
        const std::string latin1(1, static_cast<char>(byte));
        EXPECT_EQ(latin1FromUtf8(utf8FromLatin1(latin1)), latin1) << byte;
    }
    EXPECT_EQ(utf8FromLatin1(latin1FromUtf8("Traducción: sólo")), "Traducción: sólo");
}

} // namespace
