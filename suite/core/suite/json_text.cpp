#include "suite/json_text.h"

#include "suite/latin1.h"

namespace suite {

std::string jsonString(std::string_view utf8) {
    std::string json = "\"";
    for (std::size_t at = 0; at < utf8.size(); ++at) {
        const char c = utf8[at];
        const int control = controlCharacterAt(utf8, at);
        if (c == '"') {
            json += "\\\"";
        } else if (c == '\\') {
            json += "\\\\";
        } else if (c == '\n') {
            json += "\\n";
        } else if (c == '\r') {
            json += "\\r";
        } else if (c == '\t') {
            json += "\\t";
        } else if (control >= 0) {
            // DEL and C1 need no escape in JSON, but a terminal showing the line would obey them.
            constexpr char kHex[] = "0123456789abcdef";
            json += "\\u00";
            json += kHex[control >> 4];
            json += kHex[control & 0xF];
            at += control >= 0x80 ? 1 : 0; // a C1 control is two bytes
        } else {
            json += c;
        }
    }
    return json + "\"";
}

} // namespace suite
