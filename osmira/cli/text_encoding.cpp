#include "text_encoding.h"

#include <array>
#include <utility>

#include "osmira/formula_alphabet.h"

namespace osmira::cli {

std::optional<std::string> Utf8ToLatin1(std::string_view utf8) {
    std::string latin1;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x80) {
            latin1 += static_cast<char>(byte);
            continue;
        }
        // Only two-byte sequences for U+0080..U+00FF fit in Latin-1.
        if ((byte != 0xC2 && byte != 0xC3) || i + 1 >= utf8.size())
            return std::nullopt;
        auto next = static_cast<unsigned char>(utf8[++i]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        latin1 += static_cast<char>(((byte & 0x1F) << 6) | (next & 0x3F));
    }
    return latin1;
}

std::string Latin1ToUtf8(std::string_view latin1) {
    std::string utf8;
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

std::string FormulaArgument(std::string_view text) {
    static const std::array<std::pair<std::string_view, char>, 8> kSigns{{{"\xC2\xAC", kNegation},
                                                                          {"\xE2\x88\xA7", kConjunction},
                                                                          {"\xE2\x88\xA8", kDisjunction},
                                                                          {"\xE2\x86\x92", kImplication},
                                                                          {"~", kNegation},
                                                                          {"&", kConjunction},
                                                                          {"|", kDisjunction},
                                                                          {">", kImplication}}};
    std::string formula;
    for (std::size_t i = 0; i < text.size();) {
        bool matched = false;
        for (const auto& [spelling, byte] : kSigns) {
            if (text.substr(i, spelling.size()) == spelling) {
                formula += byte;
                i += spelling.size();
                matched = true;
                break;
            }
        }
        if (matched)
            continue;
        if (text[i] != ' ' && text[i] != '\t')
            formula += text[i];
        ++i;
    }
    return formula;
}

} // namespace osmira::cli
