#include "zudaviror/formula_code.h"
#include "zudaviror/unicode_signs.h"

#include <gtest/gtest.h>

#include <set>

namespace zudaviror {
namespace {

TEST(UnicodeSigns, EveryCodeOfTheTableShowsTheSignOnItsKey) {
    const std::pair<char, const char*> expected[] = {
        {'p', "p"},      {'q', "q"},      {'r', "r"},      {'s', "s"},      {'t', "t"},      {'!', "\u25A1"},
        {'"', "\u25C7"}, {'#', "\u00AC"}, {'%', "\u03C6"}, {'$', "\u03C8"}, {';', "\u03B2"}, {'\'', "\u03B1"},
        {'(', "("},      {')', ")"},      {'*', "\u22A5"}, {'+', "\u2227"}, {',', "\u2228"}, {'-', "\u2192"},
        {'.', "\u2194"}, {'`', "\u2203"}, {'_', "\u2022"}, {'^', "\u2200"}, {'}', "\u2261"}, {'~', "\u2260"},
    };
    ASSERT_EQ(std::size(expected), kFormulaCodeTable.size());
    for (std::size_t i = 0; i < kFormulaCodeTable.size(); ++i) {
        EXPECT_EQ(expected[i].first, kFormulaCodeTable[i]);
        EXPECT_EQ(unicodeSign(kFormulaCodeTable[i]), expected[i].second) << kFormulaCodeTable[i];
    }
}

TEST(UnicodeSigns, TranslationsReadAsLogic) {
    EXPECT_EQ(toUnicodeSigns("^v(Suv-u~u)"), "\u2200v(Suv\u2192u\u2260u)");
    EXPECT_EQ(toUnicodeSigns("\n\t _ TRANS/(%)[u]"), "\n\t \u2022 TRANS/(\u03C6)[u]");
}

TEST(UnicodeSigns, OtherLatin1BytesShowAsThemselves) {
    EXPECT_EQ(toUnicodeSigns("F\xF3rmula \xE9"), "Fórmula é");
}

} // namespace
} // namespace zudaviror
