#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zudaviror::cli {

struct CliOptions {
    bool steps = false;
    bool unicode = false;
    bool help = false;
    bool version = false;
    std::optional<std::string> logFile;
    std::string formula; // "-" reads it from standard input
};

struct OptionsRead {
    std::optional<CliOptions> value; // empty when the command line is refused
    std::string reason;              // why, in UTF-8
};

// zudaviror-cli [--steps] [--unicode] [--log FILE] FORMULA, or --help, -h, --version
OptionsRead parseOptions(const std::vector<std::string>& arguments);

extern const char* const kUsage;

} // namespace zudaviror::cli
