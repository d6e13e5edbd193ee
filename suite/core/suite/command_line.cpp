#include "suite/command_line.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>

namespace suite {

namespace {

const CommandOption* optionSpelt(std::string_view word, std::span<const CommandOption> options) {
    const auto found = std::find_if(options.begin(), options.end(), [word](const CommandOption& option) {
        return option.name == word || (!option.alias.empty() && option.alias == word);
    });
    return found == options.end() ? nullptr : &*found;
}

std::string missingValue(const CommandOption& option) {
    if (option.valueName.empty()) {
        return "falta el valor de " + std::string(option.name);
    }
    return "falta " + std::string(option.valueName) + " tras " + std::string(option.name);
}

} // namespace

bool isOptionWord(std::string_view word) {
    return word.size() > 1 && word[0] == '-' && !std::isdigit(static_cast<unsigned char>(word[1]));
}

CommandLine::CommandLine(const std::vector<std::string>& words, std::span<const CommandOption> options) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "--") { // the words after it are no options, whatever they start with
            positional_.insert(positional_.end(), words.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                               words.end());
            return;
        }
        if (!isOptionWord(word)) {
            positional_.push_back(word);
            continue;
        }
        const CommandOption* option = optionSpelt(word, options);
        if (option == nullptr) {
            error_ = "opción desconocida: " + word;
            return;
        }
        if (!option->takesValue) {
            given_.emplace_back(option->name, std::string());
        } else if (i + 1 < words.size()) {
            given_.emplace_back(option->name, words[++i]);
        } else {
            error_ = missingValue(*option);
            return;
        }
    }
}

bool CommandLine::has(std::string_view name) const {
    return std::any_of(given_.begin(), given_.end(),
                       [name](const auto& given) { return given.first == name; });
}

std::optional<std::string> CommandLine::value(std::string_view name) const {
    const auto last = std::find_if(given_.rbegin(), given_.rend(),
                                   [name](const auto& given) { return given.first == name; });
    return last == given_.rend() ? std::nullopt : std::optional<std::string>(last->second);
}

std::vector<std::string> CommandLine::values(std::string_view name) const {
    std::vector<std::string> all;
    for (const auto& [given, value] : given_) {
        if (given == name) {
            all.push_back(value);
        }
    }
    return all;
}

std::optional<long long> wholeNumber(const std::string& text, long long low, long long high) {
    // strtoll would also take leading blanks and a plus sign.
    if (text.empty() || (std::isdigit(static_cast<unsigned char>(text[0])) == 0 && text[0] != '-')) {
        return std::nullopt;
    }
    errno = 0;
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

} // namespace suite
