// The one conversion every message and every typed text goes through, checked against code
// points written as numbers.
#include "suite/latin1.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct Conversion {
    const char* utf8;
    const char* latin1; // what latin1FromUtf8 gives
    bool fitsLatin1;    // whether latin1FromUtf8Strict accepts it
};

TEST(Latin1, FromUtf8) {
    const Conversion table[] = {
        {"", "", true},
        {"Fórmula", "F\xF3rmula", true},
        {"MÁS ¿ « » ÿ ñ ¬", "M\xC1S \xBF \xAB \xBB \xFF \xF1 \xAC", true},
        {"\xC2\x80", "\x80", true},
        {"p∧q €", "p?q ?", false},
        {"😀x", "?x", false},
        // Malformed bytes each become one '?' and never swallow the byte after them.
        {"a\x80z", "a?z", false},
        {"\xBF\xBFz", "??z", false},
        {"\xC3z", "?z", false},
        {"\xE2\x88z", "??z", false},
        {"\xC3", "?", false},
        {"\xC0\xAFz", "??z", false},
        {"\xFFz", "?z", false},
    };
    for (const Conversion& row : table) {
        EXPECT_EQ(suite::latin1FromUtf8(row.utf8), row.latin1) << row.utf8;
        EXPECT_EQ(suite::latin1FromUtf8Strict(row.utf8),
                  row.fitsLatin1 ? std::optional<std::string>(row.latin1) : std::nullopt)
            << row.utf8;
    }
}

TEST(Latin1, EveryByteSurvivesTheRoundTrip) {
    for (int byte = 0; byte < 256; ++byte) {
        const std::string latin1(1, static_cast<char>(byte));
        EXPECT_EQ(suite::latin1FromUtf8(suite::utf8FromLatin1(latin1)), latin1) << byte;
    }
    EXPECT_EQ(suite::utf8FromLatin1("\xE1\xFF"
                                    "a"),
              "\xC3\xA1\xC3\xBF"
              "a");
}

} // namespace
