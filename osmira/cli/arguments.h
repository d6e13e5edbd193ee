#pragma once

#include "commands.h"

#include "suite/command_line.h"
#include "suite/exit_status.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace osmira::cli {

// The suite's exit statuses by the names the commands give them.
inline constexpr int kExitOk = suite::exitCode(suite::ExitStatus::Done);
inline constexpr int kExitRefused = suite::exitCode(suite::ExitStatus::Refused);
inline constexpr int kExitUsage = suite::exitCode(suite::ExitStatus::BadInput);
// What was printed did not reach standard output (a full disk, a closed pipe).
inline constexpr int kExitOutput = suite::exitCode(suite::ExitStatus::OutputFailed);
// solve: the exercise is beyond what the tutor's search takes on, or its derivation would not fit
// in the exercise; derivable or not, nothing was decided about it.
inline constexpr int kExitTooLarge = suite::exitCode(suite::ExitStatus::Unknown);

// A command's words read against options that each take one value ("--hyp A --hyp B", "-o FILE").
suite::CommandLine valueOptions(const std::vector<std::string>& words,
                                std::initializer_list<std::string_view> names);

// The usage error for a refused command line.
int refusedLine(Streams io, const suite::CommandLine& line);

} // namespace osmira::cli
