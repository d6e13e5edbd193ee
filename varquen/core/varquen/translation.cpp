#include "varquen/translation.h"

#include "varquen/messages.h"
#include "varquen/output_text.h"
#include "varquen/parse_codes.h"
#include "varquen/parser.h"
#include "varquen/scanner.h"
#include "varquen/signature.h"
#include "varquen/tokens.h"

namespace varquen {

namespace {

void rebuildSignature(Signature& signature, const Declarations& declarations) {
    signature.resetSignature();
    for (const std::string& line : declarations.universes) {
        signature.declareUniverse(line);
    }
    for (const std::string& line : declarations.variables) {
        signature.declareVariable(line);
    }
    for (const std::string& line : declarations.functions) {
        signature.declareFunction(line);
    }
    for (const std::string& line : declarations.relations) {
        signature.declareRelation(line);
    }
}

// Guards every variable no quantifier bound by the predicate of its universe, in declaration
// order, conjunctions nested to the left: ((U1 x1 ∧ U2 x2) ∧ B).
std::string closeFreeVariables(const Signature& signature, const std::string& body, bool tex) {
    std::vector<int> freeVariables;
    for (int v = 0; v < signature.variableCount(); ++v) {
        if (!signature.variable(v).bound) {
            freeVariables.push_back(v);
        }
    }
    const std::size_t n = freeVariables.size();
    if (n == 0) {
        return body;
    }
    const std::string conjunction =
        tex ? std::string(KeywordTexForms[AndIndex]) : std::string(1, SymbolChars[AndIndex]);
    std::string closed(n, '(');
    for (std::size_t m = 1; m <= n; ++m) {
        const Signature::Variable& variable = signature.variable(freeVariables[m - 1]);
        closed += ' ' + signature.token(signature.universeNameIndex(variable.type)).name + ' ' +
                  signature.token(variable.nameIndex).name + ' ';
        if (n > 1) {
            if (m == 1) {
                closed += conjunction;
            } else if (m < n) {
                closed += ')' + conjunction;
            } else {
                closed += ')';
            }
        }
    }
    closed += conjunction + ' ' + body + ')';
    return closed;
}

} // namespace

std::string errorReport(const std::string& partialOutput) {
    std::string report = messages::reportHeading() + spellSymbols(partialOutput);
    if (report.size() > MaxTextLength) {
        report = messages::reportHeading() + messages::reportTooLong(spellSymbols(partialOutput).size());
    }
    return report;
}

Translation translateFormula(const Declarations& declarations, const std::string& formula, bool tex,
                             Notifier& notifier) {
    Signature signature(notifier);
    rebuildSignature(signature, declarations);

    OutputText output(signature, tex);
    int result = parseCode(ParseError::FormulaTooLong);
    if (formula.size() <= MaxTextLength) {
        Scanner scanner(signature, formula);
        Parser parser(signature, scanner, output);
        result = parser.parseExpr(kind::Formula);
    }

    Translation translation;
    translation.output = output.text();
    if (result >= 0) {
        std::string closed = closeFreeVariables(signature, output.text(), tex);
        if (closed.size() <= MaxTextLength) {
            translation.output = std::move(closed);
        } else {
            result = parseCode(ParseError::OutputTooLong);
        }
    }
    translation.error = result < 0 ? static_cast<ParseError>(result) : ParseError::None;
    translation.status = messages::parseMessage(translation.error);
    if (translation.error != ParseError::None) {
        notifier.showMessage(errorReport(translation.output), translation.status);
    }
    return translation;
}

} // namespace varquen
