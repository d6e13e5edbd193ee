#pragma once

#include <string>
#include <string_view>

namespace osmira::cli {

// UTF-8 text a student controls (titles, authors, file names, reasons), as the tool prints it on a
// terminal: every control character (C0, DEL and C1) written as \xHH, so that no escape sequence,
// carriage return or bell reaches the terminal and every record stays on its line.
std::string terminalText(std::string_view utf8);

} // namespace osmira::cli
