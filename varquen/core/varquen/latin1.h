#pragma once

#include <string>
#include <string_view>

namespace varquen {

// The model holds single-byte Latin-1 text; sources and terminals speak UTF-8.
// Characters beyond U+00FF become '?', which no text of the program contains.
std::string latin1FromUtf8(std::string_view utf8);
std::string utf8FromLatin1(std::string_view latin1);

} // namespace varquen
