#pragma once

#include "varquen/signature.h"

#include <string_view>

namespace varquen {

// Splits the formula text into tokens, looking words up in the token table.
class Scanner {
  public:
    Scanner(const Signature& signature, std::string_view text) : signature_(signature), text_(text) {}

    // A token code (see token::), or ParseError::WordTooLong for a word beyond the scanner's buffer.
    // For a declared name returns its class base and leaves its index in currentIndex().
    int nextToken();
    int currentIndex() const { return currentIndex_; }

  private:
    const Signature& signature_;
    std::string_view text_;
    std::size_t cursor_ = 0;
    int currentIndex_ = 0;
};

} // namespace varquen
