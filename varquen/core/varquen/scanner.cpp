#include "varquen/scanner.h"

#include "varquen/parse_codes.h"
#include "varquen/tokens.h"

namespace varquen {

namespace {
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool isAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
} // namespace

int Scanner::nextToken() {
    while (cursor_ < text_.size() && isBlank(text_[cursor_])) {
        ++cursor_;
    }
    if (cursor_ == text_.size()) {
        return token::EndOfText;
    }
    const char c = text_[cursor_];
    if (c == '(' || c == ')') {
        ++cursor_;
        return c == '(' ? token::OpenParen : token::CloseParen;
    }
    if (const int k = symbolIndex(c); k >= 0) {
        ++cursor_;
        return signature_.token(k).code;
    }
    if (!isAsciiLetter(c)) {
        ++cursor_;
        return token::LexicalError;
    }
    const std::size_t start = cursor_;
    while (cursor_ < text_.size() && isAsciiLetter(text_[cursor_])) {
        ++cursor_;
    }
    if (cursor_ - start > kMaxWordLength) {
        return parseCode(ParseError::WordTooLong);
    }
    const int index = signature_.findToken(text_.substr(start, cursor_ - start));
    if (index < 0) {
        return token::LexicalError;
    }
    const int code = signature_.token(index).code;
    if (code < token::Universe) {
        return code;
    }
    currentIndex_ = code & 0xFF;
    return code & ~0xFF;
}

} // namespace varquen
