#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// How the three command-line tools read their words: a table of the options a command takes, the
// words read against it once, and the rest (which options go together, what a value must be) left
// to the command.
namespace suite {

// One option: how it is spelt (and a second spelling, "-h" beside "--help"), and whether the next
// word is its value. `valueName` names that value in the message for a missing one ("falta el
// nombre del fichero tras --log"); without it the message is "falta el valor de --log".
struct CommandOption {
    std::string_view name;
    bool takesValue = false;
    std::string_view alias = {};
    std::string_view valueName = {};
};

// A word is an option when it starts with '-' and a character that is not a digit: "-" stands for
// standard input and "-3" is a number. After "--" no word is an option ("-- -raro.txt").
bool isOptionWord(std::string_view word);

class CommandLine {
  public:
    // Reads `words` left to right; the first unknown option, or one without its value, refuses the
    // line (see error()). A value is the next word whatever it is, so "--log --steps" names a file.
    CommandLine(const std::vector<std::string>& words, std::span<const CommandOption> options);

    bool ok() const { return error_.empty(); }
    // Why the line is refused, in UTF-8; empty when it is not.
    const std::string& error() const { return error_; }

    // The words that are no option or value, in order.
    const std::vector<std::string>& positional() const { return positional_; }
    // Whether the option was given, by its name (`CommandOption::name`).
    bool has(std::string_view name) const;
    // The value the option was given last, or nothing.
    std::optional<std::string> value(std::string_view name) const;
    // Every value it was given, in order.
    std::vector<std::string> values(std::string_view name) const;

  private:
    std::vector<std::string> positional_;
    std::vector<std::pair<std::string, std::string>> given_; // name, and value when it takes one
    std::string error_;
};

// A whole decimal number within [low, high], or nothing.
std::optional<long long> wholeNumber(const std::string& text, long long low, long long high);

} // namespace suite
