#pragma once

#include <filesystem>
#include <string>

namespace suite::testing {

struct ShellRun {
    int status; // as pclose gives it; -1 when the shell could not start
    std::string output;
};

// Runs a shell command line, its error stream joined to its output.
ShellRun runShell(const std::string& command);

// A path as one word of a shell command line.
std::string shellQuoted(const std::filesystem::path& path);

// Whether the tool is on the PATH, for a test to skip without it.
bool toolInstalled(const std::string& tool);

} // namespace suite::testing
