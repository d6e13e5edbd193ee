#pragma once

#include <array>
#include <string_view>

namespace varquen {

// Token codes. A declared name's code is its class base plus its index in the class.
namespace token {
inline constexpr int OpenParen = 40;
inline constexpr int CloseParen = 41;
inline constexpr int Equals = 242;
inline constexpr int Or = 243;
inline constexpr int And = 244;
inline constexpr int Implies = 245;
inline constexpr int Not = 246;
inline constexpr int ForAll = 247;
inline constexpr int Exists = 248;
inline constexpr int EndOfText = 254;
inline constexpr int LexicalError = 255;
inline constexpr int Universe = 256;
inline constexpr int Variable = 512;
inline constexpr int Function = 768;
inline constexpr int Relation = 1024;
} // namespace token

// The seven keywords occupy the first entries of the token table; position k of each
// array belongs to token-table entry k.
inline constexpr int kKeywordCount = 7;
inline constexpr std::array<std::string_view, kKeywordCount> kKeywordNames = {
    "e", "or", "and", "imp", "not", "paratodo", "existe"};
inline constexpr std::array<std::string_view, kKeywordCount> kKeywordTexForms = {
    "=", "\\lor", "\\land", "\\rightarrow", "\\neg", "\\forall", "\\exists"};
inline constexpr std::array<char, kKeywordCount> SymbolChars = {'\x3D', '\xDA', '\xD9', '\xAE',
                                                                '\xD8', '\x22', '\x24'};

// Token-table indices of the keywords.
inline constexpr int kEqualsIndex = 0;
inline constexpr int kOrIndex = 1;
inline constexpr int kAndIndex = 2;
inline constexpr int kImpliesIndex = 3;
inline constexpr int kNotIndex = 4;
inline constexpr int kForAllIndex = 5;
inline constexpr int kExistsIndex = 6;

// Index 0..6 of a symbol byte in SymbolChars, or -1.
constexpr int symbolIndex(char c) {
    for (int k = 0; k < kKeywordCount; ++k) {
        if (SymbolChars[k] == c) {
            return k;
        }
    }
    return -1;
}

} // namespace varquen
