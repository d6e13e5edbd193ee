#pragma once

#include "varquen/output_text.h"
#include "varquen/scanner.h"
#include "varquen/signature.h"

#include <vector>

namespace varquen {

// Expected kinds passed down the recursion besides a universe number 1..255.
namespace kind {
inline constexpr int Formula = 0;
inline constexpr int AnyTerm = 256;
inline constexpr int FormulaOrTerm = 257;
} // namespace kind

// The one-pass parser: checks structure and typing and writes each construct's
// translation the moment it is recognised. Sets the bound flag of quantified variables and
// marks the variables that occur outside every quantifier binding them.
class Parser {
  public:
    Parser(Signature& signature, Scanner& scanner, OutputText& output)
        : signature_(signature), scanner_(scanner), output_(output),
          enclosingBinders_(static_cast<std::size_t>(signature.variableCount()), 0) {}

    // 0 for a formula, the universe of a term, or a negative parseCode.
    int parseExpr(int expected);

  private:
    int parseParenthesised(int expected);
    int parsePrefixEquality(int expected);
    int parsePrefixConnective(int expected, int connectiveIndex);
    int parseNegation(int expected);
    int parseQuantifier(int expected, int quantifierIndex);
    int parseUniversePredicate(int expected, int universe);
    int parseVariable(int expected, int index);
    int parseFunction(int expected, int index);
    int parseRelation(int expected, int index);

    // Emitters that turn a full output buffer into ParseError::OutputTooLong.
    int emitToken(int tokenIndex);
    int emitChar(char c);

    Signature& signature_;
    Scanner& scanner_;
    OutputText& output_;
    // Per variable, how many of the quantifiers being parsed bind it.
    std::vector<int> enclosingBinders_;
};

} // namespace varquen
