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
inline constexpr int KeywordCount = 7;
inline constexpr std::array<std::string_view, KeywordCount> KeywordNames = {"e",   "or",       "and",   "imp",
                                                                            "not", "paratodo", "existe"};
inline constexpr std::array<std::string_view, KeywordCount> KeywordTexForms = {
    "=", "\\lor", "\\land", "\\rightarrow", "\\neg", "\\forall", "\\exists"};
inline constexpr std::array<char, KeywordCount> SymbolChars = {'\x3D', '\xDA', '\xD9', '\xAE',
                                                               '\xD8', '\x22', '\x24'};

// Token-table indices of the keywords.
inline constexpr int EqualsIndex = 0;
inline constexpr int OrIndex = 1;
inline constexpr int AndIndex = 2;
inline constexpr int ImpliesIndex = 3;
inline constexpr int NotIndex = 4;
inline constexpr int ForAllIndex = 5;
inline constexpr int ExistsIndex = 6;

// Index 0..6 of a symbol byte in SymbolChars, or -1.
constexpr int symbolIndex(char c) {
    for (int k = 0; k < KeywordCount; ++k) {
        if (SymbolChars[k] == c) {
            return k;
        }
    }
    return -1;
}

} // namespace varquen
