// The one conversion every message and every typed text goes through, checked against code
// points written as numbers.
#include "suite/latin1.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

struct Conversion {
    const char* utf8;
    const char* latin1;
};

TEST(Latin1, FromUtf8) {
    const Conversion table[] = {
        {"", ""},
        {"Fórmula", "F\xF3rmula"},
        {"MÁS ¿ « » ÿ ñ ¬", "M\xC1S \xBF \xAB \xBB \xFF \xF1 \xAC"},
        {"\xC2\x80", "\x80"},
        {"p∧q €", "p?q ?"},
        {"😀x", "?x"},
        // Malformed bytes each become one '?' and never swallow the byte after them.
        {"a\x80z", "a?z"},
        {"\xBF\xBFz", "??z"},
        {"\xC3z", "?z"},
        {"\xE2\x88z", "??z"},
        {"\xC3", "?"},
        {"\xC0\xAFz", "??z"},
        {"\xFFz", "?z"},
        // Overlong spellings, surrogates and code points beyond U+10FFFF are malformed too.
        {"\xE0\x80\x80z", "???z"},
        {"\xED\xA0\x80", "???"},
        {"\xF4\x90\x80\x80", "????"},
    };
    for (const Conversion& row : table) {
        EXPECT_EQ(suite::latin1FromUtf8(row.utf8), row.latin1) << row.utf8;
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

// A name as the system gives it: UTF-8 stays, anything else was Latin-1.
TEST(Latin1, NamesOfUnknownEncodingBecomeUtf8) {
    struct Name {
        const char* bytes;
        const char* utf8;
    };
    const Name table[] = {
        {"", ""},
        {"café.omr", "café.omr"},
        {"😀", "😀"},
        {"caf\xE9.omr", "café.omr"},
        {"a\x80", "a\xC2\x80"},
        {"\xC0\x80", "À\xC2\x80"},
        {"\xED\xA0\x80", "í\xC2\xA0\xC2\x80"},
        {"\xF4\x90\x80\x80", "ô\xC2\x90\xC2\x80\xC2\x80"},
    };
    for (const Name& row : table) {
        EXPECT_EQ(suite::utf8OrLatin1(row.bytes), row.utf8) << row.bytes;
        EXPECT_EQ(suite::isUtf8(row.bytes), std::string(row.bytes) == row.utf8) << row.bytes;
    }
}

// What the student types or pastes is never dropped silently: an equivalent where there is one,
// and the changes named.
TEST(Latin1, FitReplacesWhatHasAnEquivalentAndNamesEveryChange) {
    struct Fit {
        const char* utf8;
        const char* latin1;
        std::vector<std::string> replaced;
        std::vector<std::string> leftOut;
    };
    const Fit table[] = {
        {"Mar\xC3\xAD"
         "a",
         "Mar\xED"
         "a",
         {},
         {}},
        {"Łukasz Żółw", "Lukasz Z\xF3lw", {"Ł", "Ż", "ł"}, {}},
        {"Prueba “comillas” — 5 €…", "Prueba \"comillas\" - 5 EUR...", {"“", "”", "—", "€", "…"}, {}},
        {"Œuvre", "OEuvre", {"Œ"}, {}},
        {"p∧q 😀 ∧", "pq  ", {}, {"∧", "😀"}},
        {"a\x80"
         "b",
         "ab",
         {},
         {"\xEF\xBF\xBD"}},
    };
    for (const Fit& row : table) {
        const suite::Latin1Fit fit = suite::fitLatin1(row.utf8);
        EXPECT_EQ(fit.latin1, row.latin1) << row.utf8;
        EXPECT_EQ(fit.replaced, row.replaced) << row.utf8;
        EXPECT_EQ(fit.leftOut, row.leftOut) << row.utf8;
    }
    EXPECT_EQ(suite::describeFit(suite::fitLatin1("“Ł” ∀")),
              "El fichero solo guarda letras y signos del alfabeto latino: se ha escrito “ como \", Ł como L "
              "y ” como \"; se ha quitado ∀.");
    EXPECT_EQ(suite::describeFit(suite::fitLatin1("sí")), "");
}

TEST(Latin1, Utf8LengthCountsCharactersNotBytes) {
    const std::pair<const char*, std::size_t> table[] = {{"", 0}, {"abc", 3}, {"ñandú", 5}, {"□◇p→😀", 5}};
    for (const auto& [text, length] : table) {
        EXPECT_EQ(suite::utf8Length(text), length) << text;
    }
}

} // namespace
