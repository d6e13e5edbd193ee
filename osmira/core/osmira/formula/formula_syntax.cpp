#include "osmira/formula/formula_syntax.h"

#include "osmira/formula/formula_alphabet.h"
#include "osmira/formula/pila_caracter.h"

namespace osmira {

namespace {

enum class Token { None, Letter, Open, Close, Negation, Connective };

constexpr int kParenthesisCapacity = 50;

bool followsOperand(Token previous) {
    return previous == Token::Letter || previous == Token::Close;
}

} // namespace

bool CheckFormulaSyntax(std::string_view formula) {
    PilaCaracter open(kParenthesisCapacity);
    Token previous = Token::None;
    for (char c : formula) {
        if (isFormulaLetter(c) || c == '(' || c == kNegation) {
            if (followsOperand(previous)) {
                return false;
            }
            if (c == '(') {
                open.Push('(');
            }
            previous = isFormulaLetter(c) ? Token::Letter : (c == '(' ? Token::Open : Token::Negation);
        } else if (isBinaryConnective(c) || c == ')') {
            if (!followsOperand(previous)) {
                return false;
            }
            char popped = 0;
            if (c == ')' && !open.Pop(popped)) {
                return false;
            }
            previous = c == ')' ? Token::Close : Token::Connective;
        } else {
            return false;
        }
    }
    return open.IsEmpty();
}

bool endsDangling(std::string_view formula) {
    if (formula.empty()) {
        return false;
    }
    char last = formula.back();
    return last == kNegation || isBinaryConnective(last);
}

std::string removeBlanks(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (char c : text) {
        if (c != ' ') {
            kept += c;
        }
    }
    return kept;
}

} // namespace osmira
