#include "osmira/latin1.h"

namespace osmira {

std::string latin1FromUtf8(std::string_view utf8) {
    std::string latin1;
    latin1.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            latin1 += static_cast<char>(lead);
            continue;
        }
        int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        unsigned code = lead & (length == 2 ? 0x1F : length == 3 ? 0x0F : 0x07);
        for (int k = 1; k < length && i + 1 < utf8.size(); ++k) {
            code = (code << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F);
        }
        latin1 += code <= 0xFF ? static_cast<char>(code) : '?';
    }
    return latin1;
}

std::string utf8FromLatin1(std::string_view latin1) {
    std::string utf8;
    utf8.reserve(latin1.size() * 2);
    for (char c : latin1) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

std::optional<std::string> latin1FromUtf8Strict(std::string_view utf8) {
    std::string latin1;
    latin1.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            latin1 += static_cast<char>(lead);
            continue;
        }
        // Only two-byte sequences for U+0080..U+00FF fit in Latin-1.
        if ((lead != 0xC2 && lead != 0xC3) || i + 1 >= utf8.size()) {
            return std::nullopt;
        }
        auto next = static_cast<unsigned char>(utf8[++i]);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        latin1 += static_cast<char>(((lead & 0x1F) << 6) | (next & 0x3F));
    }
    return latin1;
}

} // namespace osmira
