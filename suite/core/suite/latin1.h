#pragma once

#include <string>
#include <string_view>
#include <vector>

// The models hold single-byte Latin-1 text; sources and terminals speak UTF-8.
namespace suite {

// UTF-8 text as Latin-1 bytes. A character beyond U+00FF, and each byte that is not part of a
// well-formed sequence (a stray continuation byte, a cut sequence), becomes '?', which no text of
// the programs contains; a malformed sequence never swallows the byte after it.
std::string latin1FromUtf8(std::string_view utf8);

// Latin-1 text (messages, file names, models) as UTF-8.
std::string utf8FromLatin1(std::string_view latin1);

// How many characters UTF-8 text holds (its bytes but the continuation bytes), as a terminal's
// columns count them.
std::size_t utf8Length(std::string_view utf8);

// Whether the bytes are well-formed UTF-8 (RFC 3629: no overlong spelling, no surrogate,
// nothing beyond U+10FFFF).
bool isUtf8(std::string_view bytes);

// Bytes of unknown encoding, such as a file name as the system gives it, as UTF-8: kept when they
// are UTF-8 already, otherwise read as Latin-1, as old systems wrote them (café.omr as the bytes 63 61 66
// E9).
std::string utf8OrLatin1(std::string_view bytes);

// The control character (C0, DEL or C1) that starts at `at` in UTF-8 text, as its code; -1 when
// the character there is none. A C1 control is two bytes, C2 80 to C2 9F.
int controlCharacterAt(std::string_view utf8, std::size_t at);

// Text typed or pasted by the user (UTF-8) for a model that holds Latin-1. A character beyond
// Latin-1 with a usual equivalent (typographic quotes and dashes, the ellipsis, the euro sign,
// letters of other Latin alphabets such as Ł or ő) becomes it; one without (∀, 😀) is left out.
// Both kinds are listed once each, in UTF-8 and in order of appearance, so the user can be told.
struct Latin1Fit {
    std::string latin1;
    std::vector<std::string> replaced;
    std::vector<std::string> leftOut;
    bool changed() const { return !replaced.empty() || !leftOut.empty(); }
};
Latin1Fit fitLatin1(std::string_view utf8);

// What fitLatin1 changed, as a Spanish sentence in UTF-8 (it names characters Latin-1 lacks);
// empty when nothing changed.
std::string describeFit(const Latin1Fit& fit);

} // namespace suite
