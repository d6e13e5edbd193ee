#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace zudaviror::cli {

inline constexpr int kExitTranslated = 0;
inline constexpr int kExitBeyondLimits = 1;
inline constexpr int kExitUsage = 2; // also a formula the keypad could not produce
inline constexpr int kExitLogFailed = 3;
inline constexpr int kExitOutputFailed = 4; // standard output could not be written
inline constexpr int kExitOutOfMemory = -1;

// The whole tool: arguments without the program name; returns the exit status.
int run(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace zudaviror::cli
