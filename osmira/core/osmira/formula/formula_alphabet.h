#pragma once

#include <array>
#include <string_view>

namespace osmira {

// Bytes of the formula alphabet: capital letters, parentheses and the four connectives,
// which are the codes of their signs in the Symbol character set.
inline constexpr char kNegation = '\xD8';
inline constexpr char kConjunction = '\xD9';
inline constexpr char kDisjunction = '\xDA';
inline constexpr char kImplication = '\xAE';

// Each connective's byte and its sign in UTF-8, as the tool reads and the texts write it.
struct ConnectiveSign {
    char byte;
    std::string_view sign;
};
inline constexpr std::array<ConnectiveSign, 4> kConnectiveSigns{
    {{kNegation, "¬"}, {kConjunction, "∧"}, {kDisjunction, "∨"}, {kImplication, "→"}}};

inline bool isFormulaLetter(char c) {
    return c >= 'A' && c <= 'Z';
}
inline bool isBinaryConnective(char c) {
    return c == kConjunction || c == kDisjunction || c == kImplication;
}

} // namespace osmira
