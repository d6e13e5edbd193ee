#include "suite/latin1.h"

namespace suite {

namespace {

constexpr unsigned kMalformed = 0x110000;

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The character that starts at `at`, and moves `at` past it; a malformed sequence is one
// byte long and decodes as kMalformed.
unsigned nextCharacter(std::string_view utf8, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(utf8[at]);
    ++at;
    if (lead < 0x80) {
        return lead;
    }
    std::size_t length = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
    } else {
        return kMalformed;
    }
    unsigned code = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const std::size_t next = at + k - 1;
        if (next >= utf8.size() || !isContinuation(static_cast<unsigned char>(utf8[next]))) {
            return kMalformed;
        }
        code = (code << 6) | (static_cast<unsigned char>(utf8[next]) & 0x3F);
    }
    at += length - 1;
    return code;
}

} // namespace

std::string latin1FromUtf8(std::string_view utf8) {
    std::string latin1;
    latin1.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const unsigned code = nextCharacter(utf8, at);
        latin1 += code <= 0xFF ? static_cast<char>(code) : '?';
    }
    return latin1;
}

std::string utf8FromLatin1(std::string_view latin1) {
    std::string utf8;
    utf8.reserve(latin1.size() + latin1.size() / 8);
    for (const char code : latin1) {
        const auto byte = static_cast<unsigned char>(code);
        if (byte < 0x80) {
            utf8 += code;
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
    for (std::size_t at = 0; at < utf8.size();) {
        const unsigned code = nextCharacter(utf8, at);
        if (code > 0xFF) {
            return std::nullopt;
        }
        latin1 += static_cast<char>(code);
    }
    return latin1;
}

} // namespace suite
