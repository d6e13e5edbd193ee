#include "arguments.h"

#include "suite/latin1.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>

namespace osmira::cli {

Arguments::Arguments(const std::vector<std::string>& words, const std::vector<std::string>& valueOptions) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        bool isOption =
            word.size() > 1 && word[0] == '-' && !std::isdigit(static_cast<unsigned char>(word[1]));
        if (!isOption) {
            positional_.push_back(word);
            continue;
        }
        if (std::find(valueOptions.begin(), valueOptions.end(), word) == valueOptions.end()) {
            error_ = suite::latin1FromUtf8("opción desconocida: ") + word;
            return;
        }
        if (i + 1 >= words.size()) {
            error_ = "falta el valor de " + word;
            return;
        }
        options_.emplace(word, words[++i]);
    }
}

std::optional<std::string> Arguments::option(const std::string& name) const {
    auto found = options_.equal_range(name);
    if (found.first == found.second) {
        return std::nullopt;
    }
    return std::prev(found.second)->second;
}

std::vector<std::string> Arguments::all(const std::string& name) const {
    std::vector<std::string> values;
    auto found = options_.equal_range(name);
    for (auto it = found.first; it != found.second; ++it) {
        values.push_back(it->second);
    }
    return values;
}

std::optional<long long> parseInteger(const std::string& text, long long low, long long high) {
    if (text.empty()) {
        return std::nullopt;
    }
    errno = 0;
    char* end = nullptr;
    long long value = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

} // namespace osmira::cli
