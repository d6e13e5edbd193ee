#include "suite_testing/shell_command.h"

#include <cstdio>

namespace suite::testing {

ShellRun runShell(const std::string& command) {
    ShellRun result{-1, {}};
    std::FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    char buffer[4096];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        result.output.append(buffer, count);
    }
    result.status = ::pclose(pipe);
    return result;
}

std::string shellQuoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

bool toolInstalled(const std::string& tool) {
    return runShell("command -v " + tool).status == 0;
}

} // namespace suite::testing
