#pragma once

#include <string>
#include <string_view>

namespace suite {

// A JSON string literal of UTF-8 text: quotes, backslashes and control characters (C0, DEL and
// C1) escaped.
std::string jsonString(std::string_view utf8);

inline std::string jsonBool(bool value) {
    return value ? "true" : "false";
}

} // namespace suite
