#include "options.h"

namespace varquen::cli {

std::optional<Options> parseOptions(const std::vector<std::string>& arguments) {
    Options options;
    bool haveFile = false;
    for (const std::string& argument : arguments) {
        if (argument == "--tex") {
            options.tex = true;
        } else if (argument == "--unicode") {
            options.unicode = true;
        } else if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
        } else if (argument == "--valid") {
            options.valid = true;
        } else if (argument == "--json") {
            options.json = true;
        } else if (argument == "--tptp") {
            options.tptp = true;
        } else if (!haveFile && (argument == "-" || argument.rfind("--", 0) != 0)) {
            options.file = argument;
            haveFile = true;
        } else {
            return std::nullopt;
        }
    }
    if (!haveFile && !options.help && !options.version) {
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
