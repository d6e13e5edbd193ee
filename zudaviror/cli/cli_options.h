#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zudaviror::cli {

struct CliOptions {
    bool steps = false;
    bool unicode = false;
    bool help = false;
    std::optional<std::string> logFile;
    std::string formula; // "-" reads it from standard input
};

struct ParsedOptions {
    std::optional<CliOptions> options;
    std::string error; // UTF-8, when options is empty
};

// zudaviror-cli [--steps] [--unicode] [--log FILE] FORMULA
ParsedOptions parseOptions(const std::vector<std::string>& arguments);

extern const char* const kUsage;

} // namespace zudaviror::cli
