#pragma once

#include "osmira/element_appearance.h"

#include <string>
#include <string_view>

namespace osmira {

// Texts of the exports (SVG, TikZ, LaTeX, the class page, CSV), all UTF-8.

// The shortest decimal that reads back as the number: "100", "99.5", "-36.75".
std::string decimalText(double number);

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

enum class LineFeeds { Paragraphs, Spaces };

// Latin-1 text as UTF-8 LaTeX source that prints it: the ten special characters written as
// commands, control characters left out, line feeds as paragraph breaks or, where a paragraph
// may not end (a title, an author, a caption), as spaces.
std::string latexText(std::string_view latin1, LineFeeds lineFeeds = LineFeeds::Paragraphs);

} // namespace osmira
