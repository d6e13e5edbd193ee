#include "suite/word_list.h"

namespace suite {

std::string wordList(const std::vector<std::string_view>& words, std::string_view last) {
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0) {
            text += i + 1 == words.size() ? " " + std::string(last) + " " : ", ";
        }
        text += words[i];
    }
    return text;
}

} // namespace suite
