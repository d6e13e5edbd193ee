#pragma once

#include <string>
#include <string_view>

// Formula codes as the signs on the keys, for screens and terminals that speak UTF-8.
namespace zudaviror {

// UTF-8 of the sign a code stands for; the code itself, as UTF-8, when it stands for itself.
std::string unicodeSign(char code);

// Every code of text shown as its sign, in UTF-8.
std::string toUnicodeSigns(std::string_view text);

} // namespace zudaviror
