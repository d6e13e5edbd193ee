#pragma once

#include <cstddef>

namespace varquen {

// Limits of the fixed buffers: formula, output and report texts, scanner words, entries.
inline constexpr std::size_t kMaxTextLength = 4095;
inline constexpr std::size_t kMaxWordLength = 255;
inline constexpr std::size_t kMaxEntryLength = 255;

// The most bytes a formula file may hold: four lists of at most 256 entries of at most 255
// characters and a formula of 4095 take about 270 000, so a bigger file cannot be a formula file
// and is refused before it becomes millions of list entries.
inline constexpr std::size_t kMaxFormulaFileSize = 1024 * 1024;

// How a translation ended. The errors keep their numbers because parseExpr returns them, below
// zero, where it would return a type. From -11 on they are refusals of over-long or stray input.
enum class ParseError : int {
    None = 0,
    WrongType = -1,
    UnknownVariable = -2,
    UnknownFunction = -3,
    UnknownRelation = -4,
    UnknownUniverse = -5,
    VariableExpected = -6,
    UnexpectedEnd = -7,
    LexicalError = -8,
    CloseExpected = -9,
    ParenthesisNeedsBinary = -10,
    UnexpectedClose = -11,
    WordTooLong = -12,
    OutputTooLong = -13,
    FormulaTooLong = -14,
    TrailingText = -15,
};

// An error as the scanner and parser return it, in place of a token code or a type.
constexpr int parseCode(ParseError error) {
    return static_cast<int>(error);
}

} // namespace varquen
