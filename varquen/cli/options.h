#pragma once

#include <optional>
#include <string>
#include <vector>

namespace varquen::cli {

struct Options {
    bool tex = false;
    bool unicode = false;
    bool help = false;    // --help or -h: the usage, and nothing translated
    bool version = false; // --version
    bool valid = false;   // --valid: is the formula valid? (--json: the answer as JSON)
    bool json = false;
    bool tptp = false; // --tptp: the translation as a TPTP problem
    std::string file;  // "-" for standard input
};

// Options from argv[1..] (an option starts with "-"; "-" alone is standard input); nothing when
// the command line is not `[--tex] [--unicode] FILE`,
// `--valid [--json] FILE`, `--tptp FILE`, `--help`, `-h` or `--version`.
std::optional<Options> parseOptions(const std::vector<std::string>& arguments);

inline constexpr const char* kUsage = "uso: varquen-cli [--tex] [--unicode] FICHERO\n"
                                      "     varquen-cli --valid [--json] FICHERO\n"
                                      "     varquen-cli --tptp FICHERO\n"
                                      "(FICHERO - lee la entrada estándar)";

} // namespace varquen::cli
