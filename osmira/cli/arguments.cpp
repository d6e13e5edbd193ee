#include "arguments.h"

#include "suite/latin1.h"

namespace osmira::cli {

suite::CommandLine valueOptions(const std::vector<std::string>& words,
                                std::initializer_list<std::string_view> names) {
    std::vector<suite::CommandOption> options;
    for (const std::string_view name : names) {
        options.push_back({.name = name, .takesValue = true});
    }
    return suite::CommandLine(words, options);
}

int refusedLine(Streams io, const suite::CommandLine& line) {
    return usageError(io, suite::latin1FromUtf8(line.error()));
}

} // namespace osmira::cli
