#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace varquen::cli {

// varquen-cli without its process: translates the formula file named in `arguments` (without the
// program name; "-" reads `in`), writes the translation to `out` and every message box as a line
// to `err`; `--help`, `-h` and `--version` write the usage or the version to `out`. Returns the
// exit status: 0 translated (or usage or version written), 1 translation error, 2 usage or file refused,
// 3 the translation could not be written to `out`, 4 out of memory.
int run(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace varquen::cli
