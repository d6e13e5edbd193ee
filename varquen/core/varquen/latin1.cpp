#include "varquen/latin1.h"

namespace varquen {

std::string latin1FromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            out += static_cast<char>(lead);
            continue;
        }
        int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        unsigned code = lead & (length == 2 ? 0x1F : length == 3 ? 0x0F : 0x07);
        for (int k = 1; k < length && i + 1 < utf8.size(); ++k) {
            code = (code << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F);
        }
        out += code <= 0xFF ? static_cast<char>(code) : '?';
    }
    return out;
}

std::string utf8FromLatin1(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size() * 2);
    for (char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return out;
}

} // namespace varquen
