#pragma once

#include "suite/exit_status.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace zudaviror::cli {

// The suite's exit statuses by the names the tool gives them.
inline constexpr int kExitTranslated = suite::exitCode(suite::ExitStatus::Done);
inline constexpr int kExitBeyondLimits = suite::exitCode(suite::ExitStatus::Refused);
// Also a formula the keypad could not produce.
inline constexpr int kExitUsage = suite::exitCode(suite::ExitStatus::BadInput);
// The log or standard output could not be written.
inline constexpr int kExitOutputFailed = suite::exitCode(suite::ExitStatus::OutputFailed);
inline constexpr int kExitOutOfMemory = suite::exitCode(suite::ExitStatus::OutOfMemory);

// The whole tool: arguments without the program name; returns the exit status.
int run(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace zudaviror::cli
