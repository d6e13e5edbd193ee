#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace osmira {

// The model holds single-byte Latin-1 text; sources and terminals speak UTF-8.
// Characters beyond U+00FF become '?', which no text of the program contains.
std::string latin1FromUtf8(std::string_view utf8);
std::string utf8FromLatin1(std::string_view latin1);

// For text typed by the user: nothing when it is not UTF-8 or holds a character beyond
// Latin-1, instead of a silent '?'.
std::optional<std::string> latin1FromUtf8Strict(std::string_view utf8);

} // namespace osmira
