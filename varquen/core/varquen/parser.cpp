#include "varquen/parser.h"

#include "varquen/parse_codes.h"
#include "varquen/tokens.h"

namespace varquen {

namespace {

bool formulaMayStand(int expected) {
    return expected == kind::Formula || expected == kind::FormulaOrTerm;
}

// Keyword tokens are numbered like their token-table entries, from 242 upward.
int keywordIndex(int code) {
    return code - token::Equals;
}

} // namespace

// Propagates a failing sub-step's negative code at once.
#define VARQUEN_TRY(expression)                                                                              \
    do {                                                                                                     \
        if (const int result_ = (expression); result_ < 0) {                                                 \
            return result_;                                                                                  \
        }                                                                                                    \
    } while (false)

int Parser::emitToken(int tokenIndex) {
    return output_.emitToken(tokenIndex) ? 0 : parseCode(ParseError::OutputTooLong);
}
int Parser::emitChar(char c) {
    return output_.emitChar(c) ? 0 : parseCode(ParseError::OutputTooLong);
}

int Parser::parseExpr(int expected) {
    const int code = scanner_.nextToken();
    const int index = scanner_.currentIndex();
    switch (code) {
    case token::OpenParen:
        return parseParenthesised(expected);
    case token::Equals:
        return parsePrefixEquality(expected);
    case token::Or:
    case token::And:
    case token::Implies:
        return parsePrefixConnective(expected, keywordIndex(code));
    case token::Not:
        return parseNegation(expected);
    case token::ForAll:
    case token::Exists:
        return parseQuantifier(expected, keywordIndex(code));
    case token::Universe:
        return parseUniversePredicate(expected, index);
    case token::Variable:
        return parseVariable(expected, index);
    case token::Function:
        return parseFunction(expected, index);
    case token::Relation:
        return parseRelation(expected, index);
    case token::EndOfText:
        return parseCode(ParseError::UnexpectedEnd);
    case token::LexicalError:
        return parseCode(ParseError::LexicalError);
    case token::CloseParen:
        return parseCode(ParseError::UnexpectedClose);
    default:
        return code < 0 ? code : parseCode(ParseError::LexicalError);
    }
}

int Parser::parseParenthesised(int expected) {
    if (!formulaMayStand(expected)) {
        return parseCode(ParseError::WrongType);
    }
    VARQUEN_TRY(emitChar('('));
    const int first = parseExpr(kind::FormulaOrTerm);
    VARQUEN_TRY(first);
    const int op = scanner_.nextToken();
    if (op == token::Or || op == token::And || op == token::Implies) {
        if (first != kind::Formula) {
            return parseCode(ParseError::WrongType);
        }
        VARQUEN_TRY(emitToken(keywordIndex(op)));
        VARQUEN_TRY(parseExpr(kind::Formula));
    } else if (op == token::Equals) {
        if (first == kind::Formula) {
            return parseCode(ParseError::WrongType);
        }
        VARQUEN_TRY(emitToken(kEqualsIndex));
        VARQUEN_TRY(parseExpr(kind::AnyTerm));
    } else {
        return op < 0 ? op : parseCode(ParseError::ParenthesisNeedsBinary);
    }
    const int close = scanner_.nextToken();
    if (close != token::CloseParen) {
        return close < 0 ? close : parseCode(ParseError::CloseExpected);
    }
    VARQUEN_TRY(emitChar(')'));
    return kind::Formula;
}

int Parser::parsePrefixEquality(int expected) {
    if (!formulaMayStand(expected)) {
        return parseCode(ParseError::WrongType);
    }
    VARQUEN_TRY(emitChar('('));
    VARQUEN_TRY(parseExpr(kind::AnyTerm));
    VARQUEN_TRY(emitToken(kEqualsIndex));
    VARQUEN_TRY(parseExpr(kind::AnyTerm));
    VARQUEN_TRY(emitChar(')'));
    return kind::Formula;
}

int Parser::parsePrefixConnective(int expected, int connectiveIndex) {
    if (!formulaMayStand(expected)) {
        return parseCode(ParseError::WrongType);
    }
    VARQUEN_TRY(emitChar('('));
    VARQUEN_TRY(parseExpr(kind::Formula));
    VARQUEN_TRY(emitToken(connectiveIndex));
    VARQUEN_TRY(parseExpr(kind::Formula));
    VARQUEN_TRY(emitChar(')'));
    return kind::Formula;
}

int Parser::parseNegation(int expected) {
    if (!formulaMayStand(expected)) {
        return parseCode(ParseError::WrongType);
    }
    VARQUEN_TRY(emitToken(kNotIndex));
    VARQUEN_TRY(parseExpr(kind::Formula));
    return kind::Formula;
}

// paratodo x A  becomes  ∀ x (U x → A);  existe x A  becomes  ∃ x (U x ∧ A).
int Parser::parseQuantifier(int expected, int quantifierIndex) {
    if (!formulaMayStand(expected)) {
        return parseCode(ParseError::WrongType);
    }
    VARQUEN_TRY(emitToken(quantifierIndex));
    const int code = scanner_.nextToken();
    if (code != token::Variable) {
        return code < 0 ? code : parseCode(ParseError::VariableExpected);
    }
    const int index = scanner_.currentIndex();
    if (index >= signature_.variableCount()) {
        return parseCode(ParseError::UnknownVariable);
    }
    signature_.markBound(index);
    const Signature::Variable& variable = signature_.variable(index);
    const int universeName = signature_.universeNameIndex(variable.type);
    VARQUEN_TRY(emitToken(variable.nameIndex));
    VARQUEN_TRY(emitChar('('));
    VARQUEN_TRY(emitToken(universeName));
    VARQUEN_TRY(emitToken(variable.nameIndex));
    VARQUEN_TRY(emitToken(quantifierIndex == kForAllIndex ? kImpliesIndex : kAndIndex));
    int& binders = enclosingBinders_[static_cast<std::size_t>(index)];
    ++binders;
    const int body = parseExpr(kind::Formula);
    --binders;
    VARQUEN_TRY(body);
    VARQUEN_TRY(emitChar(')'));
    return kind::Formula;
}

int Parser::parseUniversePredicate(int expected, int universe) {
    if (universe >= signature_.universeCount()) {
        return parseCode(ParseError::UnknownUniverse);
    }
    if (!formulaMayStand(expected)) {
        return parseCode(ParseError::WrongType);
    }
    VARQUEN_TRY(emitToken(signature_.universeNameIndex(universe)));
    VARQUEN_TRY(parseExpr(kind::AnyTerm));
    return kind::Formula;
}

int Parser::parseVariable(int expected, int index) {
    if (index >= signature_.variableCount()) {
        return parseCode(ParseError::UnknownVariable);
    }
    const Signature::Variable& variable = signature_.variable(index);
    if (expected < kind::AnyTerm && expected != variable.type) {
        return parseCode(ParseError::WrongType);
    }
    if (enclosingBinders_[static_cast<std::size_t>(index)] == 0) {
        signature_.markFreeOccurrence(index);
    }
    VARQUEN_TRY(emitToken(variable.nameIndex));
    return variable.type;
}

int Parser::parseFunction(int expected, int index) {
    if (index >= signature_.functionCount()) {
        return parseCode(ParseError::UnknownFunction);
    }
    const Signature::Function& function = signature_.function(index);
    const int resultType = function.types[0];
    const bool accepted = (expected == kind::AnyTerm && resultType >= 1) || expected == resultType ||
                          expected == kind::FormulaOrTerm;
    if (!accepted) {
        return parseCode(ParseError::WrongType);
    }
    VARQUEN_TRY(emitToken(function.nameIndex));
    for (int i = 1; i <= function.arity; ++i) {
        VARQUEN_TRY(parseExpr(function.types[i]));
    }
    return resultType;
}

int Parser::parseRelation(int expected, int index) {
    if (index >= signature_.relationCount()) {
        return parseCode(ParseError::UnknownRelation);
    }
    if (!formulaMayStand(expected)) {
        return parseCode(ParseError::WrongType);
    }
    const Signature::Relation& relation = signature_.relation(index);
    VARQUEN_TRY(emitToken(relation.nameIndex));
    for (int i = 0; i < relation.arity; ++i) {
        VARQUEN_TRY(parseExpr(kind::AnyTerm));
    }
    return kind::Formula;
}

#undef VARQUEN_TRY

} // namespace varquen
