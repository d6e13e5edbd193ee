#pragma once

#include "suite/exit_status.h"

#include <map>
#include <optional>
#include <string>
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

// Positional words and options that take one value each ("--hyp A --hyp B", "-o FILE").
class Arguments {
  public:
    // Fails (with the reason in error()) on an option not in `valueOptions` or one without value.
    Arguments(const std::vector<std::string>& words, const std::vector<std::string>& valueOptions);

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }
    const std::vector<std::string>& positional() const { return positional_; }
    std::optional<std::string> option(const std::string& name) const;
    std::vector<std::string> all(const std::string& name) const;

  private:
    std::vector<std::string> positional_;
    std::multimap<std::string, std::string> options_;
    std::vector<std::string> order_;
    std::string error_;
};

// A whole decimal number within [low, high], or nothing.
std::optional<long long> parseInteger(const std::string& text, long long low, long long high);

} // namespace osmira::cli
