#include "osmira/export/export_text.h"

#include "suite/latin1.h"

#include <charconv>
#include <cstdio>

namespace osmira {

namespace {

// Bytes no export can carry: C0 controls but tab and line feed, DEL and the C1 controls.
bool isControl(unsigned char byte) {
    return (byte < 0x20 && byte != '\t' && byte != '\n') || (byte >= 0x7F && byte < 0xA0);
}

// Each byte given to `write` as `spell` says, or as itself (in UTF-8) when it gives nothing.
template <typename Spell, typename Write> void spellEach(std::string_view latin1, Spell spell, Write write) {
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (isControl(byte)) {
            continue;
        }
        if (const char* special = spell(c)) {
            write(std::string_view(special));
        } else {
            write(std::string_view(suite::utf8FromLatin1(std::string_view(&c, 1))));
        }
    }
}

template <typename Spell> std::string spelled(std::string_view latin1, Spell spell) {
    std::string text;
    text.reserve(latin1.size());
    spellEach(latin1, spell, [&text](std::string_view piece) { text += piece; });
    return text;
}

// TeX reads a source line into a buffer of 200,000 characters: a longer one stops pdflatex with
// "Unable to read an entire line". Lines are ended at a blank from this length on (an end of line
// is a blank to TeX), and where none comes, by a comment sign, which ends a line with nothing.
constexpr std::size_t kLongestTexLine = 1000;

// A word longer than this gets places to break, one after every kBrokenRunPiece characters
// beyond it. Each is stretchable glue, a break and the same glue taken back: unbroken, the word
// keeps its letters together; broken, the line ends ragged there instead of spreading the word.
constexpr std::size_t kLongestUnbrokenRun = 24;
constexpr std::size_t kBrokenRunPiece = 8;

} // namespace

void TexSource::add(std::string_view piece) {
    if (piece.empty()) {
        return;
    }
    const std::size_t length = text_.size() - lineStart_;
    if (length >= kLongestTexLine && piece == " ") {
        piece = "\n";
    } else if (length >= 2 * kLongestTexLine) {
        text_ += "%\n";
        lineStart_ = text_.size();
    }
    text_ += piece;
    if (piece.back() == '\n') {
        lineStart_ = text_.size();
    }
}

std::string decimalText(double number) {
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, number);
    return std::string(text, written.ptr);
}

DashPattern dashPattern(std::int32_t penWidth) {
    const double width = penWidth > 0 ? penWidth : 1;
    return {3 * width, 2 * width};
}

std::string htmlColour(Colour colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", colour & 0xFFu, (colour >> 8) & 0xFFu,
                  (colour >> 16) & 0xFFu);
    return text;
}

namespace {

const char* xmlEntity(char c) {
    switch (c) {
    case '&':
        return "&amp;";
    case '<':
        return "&lt;";
    case '>':
        return "&gt;";
    case '"':
        return "&quot;";
    case '\'':
        return "&#39;";
    default:
        return nullptr;
    }
}

} // namespace

std::string xmlText(std::string_view latin1) {
    return spelled(latin1, xmlEntity);
}

std::string utf8WithoutControls(std::string_view utf8, std::string_view alsoKept) {
    std::string text;
    text.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size(); ++at) {
        const int control = suite::controlCharacterAt(utf8, at);
        if (control < 0 || !isControl(static_cast<unsigned char>(control)) ||
            alsoKept.find(static_cast<char>(control)) != std::string_view::npos) {
            text += utf8[at];
        } else {
            at += control >= 0x80 ? 1 : 0; // a C1 control is two bytes
        }
    }
    return text;
}

std::string xmlTextOfUtf8(std::string_view utf8) {
    std::string text;
    text.reserve(utf8.size());
    for (const char c : utf8WithoutControls(utf8)) {
        if (const char* entity = xmlEntity(c)) {
            text += entity;
        } else {
            text += c;
        }
    }
    return text;
}

std::string latexText(std::string_view latin1, LineFeeds lineFeeds) {
    TexSource source;
    std::size_t run = 0;
    const auto write = [&source, &run](std::string_view piece) {
        const bool blank = piece == " " || piece == "\t" || piece.back() == '\n';
        if (!blank && run >= kLongestUnbrokenRun && (run - kLongestUnbrokenRun) % kBrokenRunPiece == 0) {
            source.add("\\hskip0pt plus 3em\\penalty0\\hskip0pt plus-3em\\relax{}");
        }
        run = blank ? 0 : run + 1;
        source.add(piece);
    };
    spellEach(
        latin1,
        [lineFeeds](char c) -> const char* {
            switch (c) {
            case '\\':
                return "\\textbackslash{}";
            case '{':
                return "\\{";
            case '}':
                return "\\}";
            case '$':
                return "\\$";
            case '&':
                return "\\&";
            case '#':
                return "\\#";
            case '^':
                return "\\textasciicircum{}";
            case '_':
                return "\\_";
            case '%':
                return "\\%";
            case '~':
                return "\\textasciitilde{}";
            case '\n':
                return lineFeeds == LineFeeds::Paragraphs ? "\\par\n" : " ";
            default:
                return nullptr;
            }
        },
        write);
    return source.take();
}

} // namespace osmira
