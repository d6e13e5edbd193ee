#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace suite {

// Words listed as Spanish lists them: "a", "a o b", "a, b o c" (with `last` "o"; "y" for "a, b y c").
std::string wordList(const std::vector<std::string_view>& words, std::string_view last);

} // namespace suite
