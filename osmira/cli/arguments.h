#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace osmira::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitUsage = 2;
// What was printed did not reach standard output (a full disk, a closed pipe).
inline constexpr int kExitOutput = 3;
// solve: the exercise is beyond what the tutor's search takes on, or its derivation would not fit
// in the exercise; derivable or not, nothing was decided about it.
inline constexpr int kExitTooLarge = 4;

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
