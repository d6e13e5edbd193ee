#pragma once

// osmira-cli run in-process, for the tests of the tool and of its report.

#include "run.h"

#include <sstream>
#include <string>
#include <vector>

namespace osmira::test {

struct CliOutcome {
    int status;
    std::string out;
    std::string err;
};

// The tool with nothing on standard input; the report needs the test's QGuiApplication.
inline CliOutcome runCli(const std::vector<std::string>& arguments) {
    std::istringstream in;
    std::ostringstream out, err;
    const int status = cli::run(arguments, in, out, err);
    return {status, out.str(), err.str()};
}

} // namespace osmira::test
