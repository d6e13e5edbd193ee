#include "terminal_text.h"

#include "suite/latin1.h"

namespace osmira::cli {

std::string terminalText(std::string_view utf8) {
    std::string text;
    text.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size(); ++at) {
        const int control = suite::controlCharacterAt(utf8, at);
        if (control < 0) {
            text += utf8[at];
            continue;
        }
        constexpr char kHex[] = "0123456789ABCDEF";
        text += "\\x";
        text += kHex[control >> 4];
        text += kHex[control & 0xF];
        at += control >= 0x80 ? 1 : 0; // a C1 control is two bytes
    }
    return text;
}

} // namespace osmira::cli
