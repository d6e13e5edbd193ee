#pragma once

#include <cstddef>

namespace varquen {

// Limits of the fixed buffers: formula, output and report texts, scanner words, entries.
inline constexpr std::size_t MaxTextLength = 4095;
inline constexpr std::size_t MaxWordLength = 255;
inline constexpr std::size_t MaxEntryLength = 255;

// Results of parseExpr below zero. The last four are refusals of over-long or stray input.
namespace parse {
inline constexpr int WrongType = -1;
inline constexpr int UnknownVariable = -2;
inline constexpr int UnknownFunction = -3;
inline constexpr int UnknownRelation = -4;
inline constexpr int UnknownUniverse = -5;
inline constexpr int VariableExpected = -6;
inline constexpr int UnexpectedEnd = -7;
inline constexpr int LexicalError = -8;
inline constexpr int CloseExpected = -9;
inline constexpr int ParenthesisNeedsBinary = -10;
inline constexpr int UnexpectedClose = -11;
inline constexpr int WordTooLong = -12;
inline constexpr int OutputTooLong = -13;
inline constexpr int FormulaTooLong = -14;
} // namespace parse

} // namespace varquen
