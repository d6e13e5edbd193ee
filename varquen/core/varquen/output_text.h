#pragma once

#include "varquen/signature.h"

#include <string>
#include <string_view>

namespace varquen {

// The translation being written, plain (symbol bytes) or TeX, bounded like the window's pane.
class OutputText {
  public:
    OutputText(const Signature& signature, bool tex) : signature_(signature), tex_(tex) {}

    // Both return false, writing nothing, when the text would grow beyond kMaxTextLength.
    bool emitToken(int tokenIndex);
    bool emitChar(char c);

    bool tex() const { return tex_; }
    const std::string& text() const { return text_; }

  private:
    bool append(std::string_view piece);

    const Signature& signature_;
    bool tex_;
    std::string text_;
};

// Every symbol byte becomes its keyword between blanks, as formula files hold it.
std::string spellSymbols(std::string_view text);

// A translation as its file, its error report and the command-line tool spell it: a plain one as
// spellSymbols does; a TeX one keeps "=", which is TeX's own sign for equality.
std::string spellTranslation(std::string_view output, bool tex);

} // namespace varquen
