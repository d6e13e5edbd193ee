#include "suite/latin1.h"

#include <algorithm>

namespace suite {

namespace {

constexpr unsigned kMalformed = 0x110000;

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The smallest character each length of sequence may carry: a longer, overlong spelling of a
// character (C0 80 for NUL) is malformed, as RFC 3629 says.
constexpr unsigned kSmallestOfLength[] = {0, 0, 0x80, 0x800, 0x10000};

// The character that starts at `at`, and moves `at` past it; a malformed sequence (overlong,
// a surrogate, beyond U+10FFFF, cut) is one byte long and decodes as kMalformed.
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
    if (code < kSmallestOfLength[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
        return kMalformed;
    }
    at += length - 1;
    return code;
}

// Latin Extended-A (U+0100 to U+017F) without its marks: Ł as L, ő as o, Œ as OE.
constexpr const char* kLatinExtendedA[128] = {
    "A", "a", "A", "a", "A", "a", "C",  "c",  "C", "c", "C", "c", "C",  "c",  "D", "d", "D", "d", "E",
    "e", "E", "e", "E", "e", "E", "e",  "E",  "e", "G", "g", "G", "g",  "G",  "g", "G", "g", "H", "h",
    "H", "h", "I", "i", "I", "i", "I",  "i",  "I", "i", "I", "i", "IJ", "ij", "J", "j", "K", "k", "k",
    "L", "l", "L", "l", "L", "l", "L",  "l",  "L", "l", "N", "n", "N",  "n",  "N", "n", "n", "N", "n",
    "O", "o", "O", "o", "O", "o", "OE", "oe", "R", "r", "R", "r", "R",  "r",  "S", "s", "S", "s", "S",
    "s", "S", "s", "T", "t", "T", "t",  "T",  "t", "U", "u", "U", "u",  "U",  "u", "U", "u", "U", "u",
    "U", "u", "W", "w", "Y", "y", "Y",  "Z",  "z", "Z", "z", "Z", "z",  "s",
};

struct Equivalent {
    unsigned from;
    unsigned to;
    const char* text;
};

// Punctuation and signs that keyboards and word processors put in text, as Latin-1 writes them.
constexpr Equivalent kEquivalents[] = {
    {0x2000, 0x200A, " "},    {0x2010, 0x2015, "-"},   {0x2018, 0x201B, "'"},   {0x201C, 0x201F, "\""},
    {0x2022, 0x2022, "\xB7"}, {0x2026, 0x2026, "..."}, {0x202F, 0x202F, " "},   {0x2032, 0x2032, "'"},
    {0x2033, 0x2033, "\""},   {0x2039, 0x2039, "<"},   {0x203A, 0x203A, ">"},   {0x2043, 0x2043, "-"},
    {0x2044, 0x2044, "/"},    {0x205F, 0x205F, " "},   {0x20AC, 0x20AC, "EUR"}, {0x2122, 0x2122, "TM"},
    {0x2212, 0x2212, "-"},
};

const char* equivalentOf(unsigned code) {
    if (code >= 0x100 && code < 0x180) {
        return kLatinExtendedA[code - 0x100];
    }
    for (const Equivalent& equivalent : kEquivalents) {
        if (code >= equivalent.from && code <= equivalent.to) {
            return equivalent.text;
        }
    }
    return nullptr;
}

void listOnce(std::vector<std::string>& list, std::string_view character) {
    if (std::find(list.begin(), list.end(), character) == list.end()) {
        list.emplace_back(character);
    }
}

std::string joined(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        text += i == 0 ? "" : i + 1 == items.size() ? " y " : ", ";
        text += items[i];
    }
    return text;
}

} // namespace

Latin1Fit fitLatin1(std::string_view utf8) {
    Latin1Fit fit;
    fit.latin1.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t start = at;
        const unsigned code = nextCharacter(utf8, at);
        if (code <= 0xFF) {
            fit.latin1 += static_cast<char>(code);
            continue;
        }
        // A malformed byte is named as the replacement character, not as itself.
        const std::string_view character =
            code == kMalformed ? "\xEF\xBF\xBD" : utf8.substr(start, at - start);
        if (const char* equivalent = equivalentOf(code)) {
            fit.latin1 += equivalent;
            listOnce(fit.replaced, character);
        } else {
            listOnce(fit.leftOut, character);
        }
    }
    return fit;
}

std::string describeFit(const Latin1Fit& fit) {
    std::string sentence;
    if (!fit.replaced.empty()) {
        std::vector<std::string> pairs;
        for (const std::string& character : fit.replaced) {
            std::size_t at = 0;
            pairs.push_back(character + " como " +
                            utf8FromLatin1(equivalentOf(nextCharacter(character, at))));
        }
        sentence = "se ha escrito " + joined(pairs);
    }
    if (!fit.leftOut.empty()) {
        sentence += (sentence.empty() ? "se ha quitado " : "; se ha quitado ") + joined(fit.leftOut);
    }
    if (sentence.empty()) {
        return sentence;
    }
    return "El fichero solo guarda letras y signos del alfabeto latino: " + sentence + ".";
}

std::string latin1FromUtf8(std::string_view utf8) {
    std::string latin1;
    latin1.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const unsigned code = nextCharacter(utf8, at);
        latin1 += code <= 0xFF ? static_cast<char>(code) : '?';
    }
    return latin1;
}

std::size_t utf8Length(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char byte) {
        return !isContinuation(static_cast<unsigned char>(byte));
    }));
}

bool isUtf8(std::string_view bytes) {
    for (std::size_t at = 0; at < bytes.size();) {
        if (nextCharacter(bytes, at) == kMalformed) {
            return false;
        }
    }
    return true;
}

std::string utf8OrLatin1(std::string_view bytes) {
    return isUtf8(bytes) ? std::string(bytes) : utf8FromLatin1(bytes);
}

int controlCharacterAt(std::string_view utf8, std::size_t at) {
    const auto byte = static_cast<unsigned char>(utf8[at]);
    if (byte < 0x20 || byte == 0x7F) {
        return byte;
    }
    if (byte == 0xC2 && at + 1 < utf8.size()) {
        const auto next = static_cast<unsigned char>(utf8[at + 1]);
        if (next >= 0x80 && next < 0xA0) {
            return next;
        }
    }
    return -1;
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

} // namespace suite
