#include "osmira/formula_syntax.h"

#include "osmira/formula_alphabet.h"
#include "osmira/pila_caracter.h"

namespace osmira {

namespace {

enum class Token { None, Letter, Open, Close, Negation, Connective };

constexpr int kParenthesisCapacity = 50;

bool FollowsOperand(Token previous) {
    return previous == Token::Letter || previous == Token::Close;
}

} // namespace

bool CheckFormulaSyntax(std::string_view formula) {
    PilaCaracter open(kParenthesisCapacity);
    Token previous = Token::None;
    for (char c : formula) {
        if (IsFormulaLetter(c) || c == '(' || c == kNegation) {
            if (FollowsOperand(previous)) {
                return false;
            }
            if (c == '(') {
                open.Push('(');
            }
            previous = IsFormulaLetter(c) ? Token::Letter : (c == '(' ? Token::Open : Token::Negation);
        } else if (IsBinaryConnective(c) || c == ')') {
            if (!FollowsOperand(previous)) {
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

bool EndsDangling(std::string_view formula) {
    if (formula.empty()) {
        return false;
    }
    char last = formula.back();
    return last == kNegation || IsBinaryConnective(last);
}

std::string RemoveBlanks(std::string_view text) {
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
