#include "options.h"

#include "suite/command_line.h"

#include <array>

namespace varquen::cli {

namespace {

constexpr std::array<suite::CommandOption, 7> kOptions{{
    {.name = "--tex"},
    {.name = "--unicode"},
    {.name = "--help", .alias = "-h"},
    {.name = "--version"},
    {.name = "--valid"},
    {.name = "--json"},
    {.name = "--tptp"},
}};

} // namespace

std::optional<Options> parseOptions(const std::vector<std::string>& arguments) {
    const suite::CommandLine line(arguments, kOptions);
    if (!line.ok() || line.positional().size() > 1) {
        return std::nullopt;
    }
    Options options{.tex = line.has("--tex"),
                    .unicode = line.has("--unicode"),
                    .help = line.has("--help"),
                    .version = line.has("--version"),
                    .valid = line.has("--valid"),
                    .json = line.has("--json"),
                    .tptp = line.has("--tptp"),
                    .file = line.positional().empty() ? std::string() : line.positional().front()};
    if (line.positional().empty() && !options.help && !options.version) {
        return std::nullopt;
    }
    // A question is answered one way: plain or JSON, never as a translation in TeX or signs.
    const bool translating = options.tex || options.unicode;
    if ((options.json && !options.valid) || (options.valid && (options.tptp || translating)) ||
        (options.tptp && translating)) {
        return std::nullopt;
    }
    return options;
}

} // namespace varquen::cli
