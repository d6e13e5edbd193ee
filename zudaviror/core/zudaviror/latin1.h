#pragma once

#include <string>
#include <string_view>

// The model holds single-byte Latin-1 text; sources and terminals speak UTF-8.
namespace zudaviror {

// UTF-8 text as Latin-1 bytes; a character beyond U+00FF becomes '?', which no text of the
// program contains.
std::string latin1FromUtf8(std::string_view utf8);

// Latin-1 text (messages, file names) as UTF-8.
std::string utf8FromLatin1(std::string_view latin1);

} // namespace zudaviror
