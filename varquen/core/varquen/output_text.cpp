#include "varquen/output_text.h"

#include "varquen/parse_codes.h"
#include "varquen/tokens.h"

namespace varquen {

bool OutputText::append(std::string_view piece) {
    if (text_.size() + piece.size() > kMaxTextLength) {
        return false;
    }
    text_ += piece;
    return true;
}

bool OutputText::emitToken(int tokenIndex) {
    std::string piece;
    if (tex_) {
        piece = signature_.token(tokenIndex).texForm;
    } else if (tokenIndex < kKeywordCount) {
        piece = SymbolChars[tokenIndex];
    } else {
        piece = signature_.token(tokenIndex).name;
    }
    piece += ' ';
    return append(piece);
}

bool OutputText::emitChar(char c) {
    return append(std::string_view(&c, 1));
}

std::string spellSymbols(std::string_view text) {
    std::string spelled;
    spelled.reserve(text.size());
    for (char c : text) {
        if (const int k = symbolIndex(c); k >= 0) {
            spelled += ' ';
            spelled += kKeywordNames[k];
            spelled += ' ';
        } else {
            spelled += c;
        }
    }
    return spelled;
}

std::string spellTranslation(std::string_view output, bool tex) {
    if (!tex) {
        return spellSymbols(output);
    }
    std::string spelled;
    std::size_t start = 0;
    for (std::size_t equals = output.find(SymbolChars[kEqualsIndex]); equals != std::string_view::npos;
         equals = output.find(SymbolChars[kEqualsIndex], start)) {
        spelled += spellSymbols(output.substr(start, equals - start));
        spelled += SymbolChars[kEqualsIndex];
        start = equals + 1;
    }
    return spelled + spellSymbols(output.substr(start));
}

} // namespace varquen
