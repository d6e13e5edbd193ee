#pragma once

#include <optional>
#include <string>
#include <string_view>

// The models hold single-byte Latin-1 text; sources and terminals speak UTF-8.
namespace suite {

// UTF-8 text as Latin-1 bytes. A character beyond U+00FF, and each byte that is not part of a
// well-formed sequence (a stray continuation byte, a cut sequence), becomes '?', which no text of
// the programs contains; a malformed sequence never swallows the byte after it.
std::string latin1FromUtf8(std::string_view utf8);

// Latin-1 text (messages, file names, models) as UTF-8.
std::string utf8FromLatin1(std::string_view latin1);

// For text typed by the user: nothing when it is not UTF-8 or holds a character beyond
// Latin-1, instead of a silent '?'.
std::optional<std::string> latin1FromUtf8Strict(std::string_view utf8);

} // namespace suite
