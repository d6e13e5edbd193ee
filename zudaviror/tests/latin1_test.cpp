#include "zudaviror/latin1.h"

#include <gtest/gtest.h>

#include <string>

namespace zudaviror {
namespace {

// Both directions against the bytes written out by hand.
TEST(Latin1, ConvertsBothWays) {
    struct Row {
        std::string utf8;
        std::string latin1;
    };
    const Row table[] = {
        {"", ""},
        {"F~(p)", "F~(p)"},
        {"Fórmula", "F\xF3rmula"},
        {"MÁS ¿ « » ÿ", "M\xC1S \xBF \xAB \xBB \xFF"},
        {"\xC2\x80", "\x80"},
    };
    for (const Row& row : table) {
        EXPECT_EQ(latin1FromUtf8(row.utf8), row.latin1) << row.utf8;
        EXPECT_EQ(utf8FromLatin1(row.latin1), row.utf8) << row.utf8;
    }
}

TEST(Latin1, CharactersBeyondLatin1BecomeQuestionMarks) {
    EXPECT_EQ(latin1FromUtf8("p\u2227q \u2200v \U0001D53D"), "p?q ?v ?");
}

} // namespace
} // namespace zudaviror
