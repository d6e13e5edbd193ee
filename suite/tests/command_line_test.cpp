// How every tool splits its words into options, values and the rest, and what it refuses.
#include "suite/command_line.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

constexpr std::array<suite::CommandOption, 4> kOptions{{
    {.name = "--help", .alias = "-h"},
    {.name = "--hyp", .takesValue = true},
    {.name = "-o", .takesValue = true},
    {.name = "--log", .takesValue = true, .valueName = "el nombre del fichero"},
}};

struct Line {
    std::vector<std::string> words;
    std::string error; // empty when the line is read
    std::vector<std::string> positional;
    std::vector<std::string> hypotheses; // the values of --hyp, in order
    bool help = false;
};

TEST(CommandLine, SplitsWordsIntoOptionsValuesAndTheRest) {
    const Line table[] = {
        {{}, "", {}, {}},
        {{"a.txt", "-", "-3"}, "", {"a.txt", "-", "-3"}, {}},
        {{"-h", "x"}, "", {"x"}, {}, true},
        {{"--hyp", "A", "x", "--hyp", "-o", "-o", "out"}, "", {"x"}, {"A", "-o"}},
        {{"--log", "--help"}, "", {}, {}},
        {{"-h", "--", "-x", "--hyp"}, "", {"-x", "--hyp"}, {}, true},
        {{"x", "--verbose", "--hyp"}, "opción desconocida: --verbose", {}, {}},
        {{"-x"}, "opción desconocida: -x", {}, {}},
        {{"--hy", "A"}, "opción desconocida: --hy", {}, {}},
        {{"x", "-o"}, "falta el valor de -o", {}, {}},
        {{"--log"}, "falta el nombre del fichero tras --log", {}, {}},
    };
    for (const Line& row : table) {
        const suite::CommandLine line(row.words, kOptions);
        const std::string shown = row.words.empty() ? "(nada)" : row.words.front();
        EXPECT_EQ(line.error(), row.error) << shown;
        EXPECT_EQ(line.ok(), row.error.empty()) << shown;
        if (!line.ok()) {
            continue;
        }
        EXPECT_EQ(line.positional(), row.positional) << shown;
        EXPECT_EQ(line.values("--hyp"), row.hypotheses) << shown;
        EXPECT_EQ(line.value("--hyp").has_value(), !row.hypotheses.empty()) << shown;
        if (!row.hypotheses.empty()) {
            EXPECT_EQ(line.value("--hyp"), row.hypotheses.back()) << shown;
        }
        EXPECT_EQ(line.has("--help"), row.help) << shown;
    }
}

TEST(CommandLine, ReadsWholeNumbersWithinTheirBounds) {
    EXPECT_EQ(suite::wholeNumber("7", 1, 7), 7);
    EXPECT_EQ(suite::wholeNumber("-2", -5, 0), -2);
    for (const char* refused : {"", "8", "0", "3x", " 3", "+3", "99999999999999999999"}) {
        EXPECT_FALSE(suite::wholeNumber(refused, 1, 7)) << refused;
    }
}

} // namespace
