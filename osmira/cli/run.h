#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace osmira::cli {

// osmira-cli without its process: COMMAND ARGUMENTS… (without the program name). No command reads
// standard input; `in` is there so that every tool of the suite is run alike. The report draws
// letters, so its caller has made a QGuiApplication (main makes one for that command alone).
// Returns the exit status, 3 when what it printed could not be written.
int run(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace osmira::cli
