#pragma once

#include "osmira/model/element_appearance.h"

#include <string>
#include <string_view>
#include <utility>

namespace osmira {

// Texts of the exports (SVG, TikZ, LaTeX, the class page, CSV), all UTF-8.

// The shortest decimal that reads back as the number: "100", "99.5", "-36.75".
std::string decimalText(double number);

// The dashes of a dashed outline, in the drawing's units: three pen widths drawn, two left
// out, which stays a dashed line when photocopied and cannot be read as a second cut.
struct DashPattern {
    double on;
    double off;
};
DashPattern dashPattern(std::int32_t penWidth);

// "#RRGGBB" of a 0x00BBGGRR colour.
std::string htmlColour(Colour colour);

// Latin-1 text as UTF-8 character data or attribute value of XML and HTML: & < > " ' escaped,
// control characters other than tab and line feed left out (XML 1.0 forbids them).
std::string xmlText(std::string_view latin1);
// The same for text that is UTF-8 already.
std::string xmlTextOfUtf8(std::string_view utf8);

// UTF-8 text without the control characters the exports leave out (C0 but tab and line feed,
// DEL, C1); `alsoKept` names other C0 characters to keep.
std::string utf8WithoutControls(std::string_view utf8, std::string_view alsoKept = {});

// LaTeX source written piece by piece, its lines ended before TeX's buffer ends: at a blank
// piece from a thousand characters on, with a comment sign where no blank comes by two thousand.
class TexSource {
  public:
    void add(std::string_view piece);
    std::string take() { return std::move(text_); }

  private:
    std::string text_;
    std::size_t lineStart_ = 0;
};

enum class LineFeeds { Paragraphs, Spaces };

// Latin-1 text as UTF-8 LaTeX source that prints it: the ten special characters written as
// commands, control characters left out, line feeds as paragraph breaks or, where a paragraph
// may not end (a title, an author, a caption), as spaces; a word of more than 24 characters
// gets places to break the line, so that it never runs off the page.
std::string latexText(std::string_view latin1, LineFeeds lineFeeds = LineFeeds::Paragraphs);

} // namespace osmira
