#pragma once

#include "varquen/tokens.h"

#include <array>
#include <string>
#include <string_view>

namespace varquen {

// The sign each symbol byte stands for (UTF-8), in SymbolChars order: what screens show.
inline constexpr std::array<std::string_view, kKeywordCount> kSymbolSigns = {"=", "∨", "∧", "→",
                                                                             "¬", "∀", "∃"};

// Latin-1 text as UTF-8, every symbol byte shown as its sign.
std::string utf8WithSigns(std::string_view latin1);

} // namespace varquen
