#include "suite/latin1.h"
#include "varquen/formula_file.h"
#include "varquen/output_text.h"

#include <gtest/gtest.h>

using suite::latin1FromUtf8;
using varquen::FormulaFile;
using varquen::readFormulaFile;
using varquen::restoreSymbols;
using varquen::writeFormulaFile;

namespace {

const FormulaFile kWorkedExample{{{"A", "B"}, {"x:1", "y:2"}, {"f:1,2"}, {"R:2"}}, "\x22 x R x f y"};

TEST(FormulaFileWrite, SectionsCrLfAndSpelledSymbols) {
    const auto written = writeFormulaFile(kWorkedExample);
    ASSERT_TRUE(written.bytes);
    EXPECT_EQ(
        *written.bytes,
        "uni\r\nA\r\nB\r\nvar\r\nx:1\r\ny:2\r\nfun\r\nf:1,2\r\nrel\r\nR:2\r\nfor\r\n paratodo  x R x f y");
}

TEST(FormulaFileWrite, EmptyListsWriteOnlyTheFormulaSection) {
    const auto written = writeFormulaFile({{{}, {"p:1", ""}, {}, {}}, "not p"});
    ASSERT_TRUE(written.bytes);
    // List lines go out unchecked, even empty ones; keywords typed as words stay words.
    EXPECT_EQ(*written.bytes, "var\r\np:1\r\n\r\nfor\r\nnot p");
    EXPECT_EQ(*writeFormulaFile({}).bytes, "for\r\n");
}

// The reader takes at most 4095 bytes after "for", so the writer refuses a formula whose written
// form, symbols spelled, would pass them: every file written can be read back.
TEST(FormulaFileWrite, RefusesWhatTheReaderCouldNotReadBack) {
    struct Case {
        const char* name;
        std::string formula;
        bool written;
    };
    const Case cases[] = {
        {"letters at the limit", std::string(4095, 'p'), true},
        {"letters beyond the limit", std::string(4096, 'p'), false},
        {"819 conjunctions spelled in 4095 bytes", std::string(819, '\xD9'), true},
        {"820 conjunctions spelled in 4100 bytes", std::string(820, '\xD9'), false},
        {"400 quantifiers spelled in 4000 bytes", std::string(400, '\x22') + "p x", true},
        {"410 quantifiers spelled in 4100 bytes", std::string(410, '\x22') + "p x", false},
    };
    for (const Case& c : cases) {
        const auto written = writeFormulaFile({{}, c.formula});
        ASSERT_EQ(written.bytes.has_value(), c.written) << c.name;
        if (!c.written) {
            EXPECT_EQ(written.reason,
                      suite::latin1FromUtf8(
                          "La fórmula, con cada signo escrito como su palabra clave, tiene más de 4095 "
                          "caracteres: no se guarda para no cortarla"))
                << c.name;
            continue;
        }
        const auto read = readFormulaFile(*written.bytes);
        ASSERT_TRUE(read.value) << c.name << ": " << read.reason;
        EXPECT_EQ(read.value->formula, restoreSymbols(varquen::spellSymbols(c.formula))) << c.name;
    }
}

TEST(FormulaFileRead, RoundTripRestoresSymbolsAndWidensSpacing) {
    FormulaFile file = kWorkedExample;
    file.formula = "( p x \xD9 q x )";
    const auto read = readFormulaFile(*writeFormulaFile(file).bytes);
    ASSERT_TRUE(read.value);
    EXPECT_EQ(read.value->declarations, file.declarations);
    // Each cycle keeps the formula but adds the blanks written around the keyword.
    EXPECT_EQ(read.value->formula, "( p x  \xD9  q x )");
    const auto again = readFormulaFile(*writeFormulaFile(*read.value).bytes);
    EXPECT_EQ(again.value->formula, "( p x   \xD9   q x )");
}

struct ReadCase {
    const char* name;
    std::string bytes;
    FormulaFile expected;
};

void PrintTo(const ReadCase& c, std::ostream* out) {
    *out << c.name;
}

class ReadsAs : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadsAs, ListsAndFormula) {
    const auto read = readFormulaFile(GetParam().bytes);
    ASSERT_TRUE(read.value) << read.reason;
    EXPECT_EQ(read.value->declarations, GetParam().expected.declarations);
    EXPECT_EQ(read.value->formula, GetParam().expected.formula);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadsAs,
    testing::Values(
        ReadCase{"LineFeedsAlone",
                 "uni\nA\nrel\nmenor:2\nfor\nor menor x y",
                 {{{"A"}, {}, {}, {"menor:2"}}, "\xDA menor x y"}},
        ReadCase{"LinesBeforeFirstHeaderDropped",
                 "hola\r\nA\r\nvar\r\nx:1\r\nfor\r\np",
                 {{{}, {"x:1"}, {}, {}}, "p"}},
        ReadCase{"WithoutHeadersNothingLoads", "A\r\nx:1\r\n", {{}, ""}},
        ReadCase{"WithoutForLineKeepsLists", "uni\r\nA\r\nB", {{{"A", "B"}, {}, {}, {}}, ""}},
        ReadCase{"HeadersAreCaseSensitive", "uni\r\nUni\r\nFOR\r\n", {{{"Uni", "FOR"}, {}, {}, {}}, ""}},
        ReadCase{"SectionsMayRepeatAndInterleave",
                 "var\nx:1\nuni\nA\nvar\ny:1\nfor\n",
                 {{{"A"}, {"x:1", "y:1"}, {}, {}}, ""}},
        ReadCase{"FormulaKeepsItsLineBreaks", "for\r\nand p\r\nq\r\n", {{}, "\xD9 p\r\nq\r\n"}},
        ReadCase{"EmptyFile", "", {{}, ""}},
        ReadCase{"CarriageReturnInsideLineStays", "uni\r\nA\rB\r\nfor\r\n", {{{"A\rB"}, {}, {}, {}}, ""}}),
    [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

TEST(FormulaFileRead, RefusesOverLongLineOrFormulaInsteadOfCutting) {
    EXPECT_TRUE(readFormulaFile("uni\r\n" + std::string(4095, 'A') + "\r\nfor\r\n").value);
    const auto line = readFormulaFile("uni\r\n" + std::string(4096, 'A') + "\r\nfor\r\n");
    EXPECT_FALSE(line.value);
    EXPECT_EQ(line.reason,
              suite::latin1FromUtf8(
                  "El fichero tiene una línea de más de 4095 caracteres: no se lee para no cortarla"));

    EXPECT_TRUE(readFormulaFile("for\r\n" + std::string(4095, 'p')).value);
    const auto formula = readFormulaFile("for\r\n" + std::string(4096, 'p'));
    EXPECT_FALSE(formula.value);
    EXPECT_EQ(formula.reason,
              suite::latin1FromUtf8(
                  "La fórmula del fichero tiene más de 4095 caracteres: no se lee para no cortarla"));
}

// Any file the program can use is far smaller; without the limit a huge file of empty lines under
// "uni" became millions of list entries.
TEST(FormulaFileRead, RefusesAFileBeyondTheSizeLimit) {
    constexpr std::size_t kLimit = 1024 * 1024;
    EXPECT_TRUE(readFormulaFile("uni\n" + std::string(kLimit - 4, '\n')).value);
    const auto read = readFormulaFile("uni\n" + std::string(kLimit - 3, '\n'));
    EXPECT_FALSE(read.value);
    EXPECT_EQ(read.reason,
              suite::latin1FromUtf8("El fichero tiene más de 1048576 bytes, más de los que puede tener "
                                    "un fichero de fórmulas: no se lee"));
}

TEST(RestoreSymbols, WholeWordsOnlyInKeywordOrder) {
    const std::pair<std::string, std::string> cases[] = {
        {"paratodo x existe y e x y", "\x22 x \x24 y \x3D x y"},
        {"menor or mayor", "menor \xDA mayor"},
        {"(p x and not q x)", "(p x \xD9 \xD8 q x)"},
        {"imp(e)", "\xAE(\x3D)"},
        {"nota ore  e1 e", "nota ore  =1 ="},
        {suite::latin1FromUtf8("éor"),
         suite::latin1FromUtf8("é") + "\xDA"}, // an accented letter is not an ASCII letter
        {"existeparatodo", "existeparatodo"},
    };
    for (const auto& [text, restored] : cases) {
        EXPECT_EQ(restoreSymbols(text), restored) << text;
    }
}

} // namespace
