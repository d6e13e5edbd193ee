#include "varquen/translation.h"

#include "varquen/messages.h"
#include "varquen/output_text.h"
#include "varquen/parse_codes.h"
#include "varquen/parser.h"
#include "varquen/scanner.h"
#include "varquen/signature.h"
#include "varquen/tokens.h"

namespace varquen {

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

namespace {

// Guards by the predicate of its universe every variable that is never quantified, or that also
// occurs outside the quantifiers binding it, in declaration order, conjunctions nested to the
// left: ((U1 x1 ∧ U2 x2) ∧ B).
std::string closeFreeVariables(const Signature& signature, const std::string& body, bool tex) {
    std::vector<int> freeVariables;
    for (int v = 0; v < signature.variableCount(); ++v) {
        const Signature::Variable& variable = signature.variable(v);
        if (!variable.bound || variable.occursFree) {
            freeVariables.push_back(v);
        }
    }
    const std::size_t n = freeVariables.size();
    if (n == 0) {
        return body;
    }
    const std::string conjunction =
        tex ? std::string(kKeywordTexForms[kAndIndex]) : std::string(1, SymbolChars[kAndIndex]);
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

std::string spelledOutput(const Translation& translation) {
    return spellTranslation(translation.output, translation.tex);
}

std::string errorReport(const std::string& partialOutput, bool tex) {
    const std::string spelled = spellTranslation(partialOutput, tex);
    std::string report = messages::reportHeading() + spelled;
    if (report.size() > kMaxTextLength) {
        report = messages::reportHeading() + messages::reportTooLong(spelled.size());
    }
    return report;
}

Translation translateFormula(const Declarations& declarations, const std::string& formula, bool tex,
                             Notifier& notifier) {
    Signature signature(notifier);
    rebuildSignature(signature, declarations);

    OutputText output(signature, tex);
    int result = parseCode(ParseError::FormulaTooLong);
    if (formula.size() <= kMaxTextLength) {
        Scanner scanner(signature, formula);
        Parser parser(signature, scanner, output);
        result = parser.parseExpr(kind::Formula);
        // A second formula or a stray parenthesis would otherwise pass unread as "OK".
        if (result >= 0 && scanner.nextToken() != token::EndOfText) {
            result = parseCode(ParseError::TrailingText);
        }
    }

    Translation translation;
    translation.tex = tex;
    translation.output = output.text();
    if (result >= 0) {
        std::string closed = closeFreeVariables(signature, output.text(), tex);
        if (closed.size() <= kMaxTextLength) {
            translation.output = std::move(closed);
        } else {
            result = parseCode(ParseError::OutputTooLong);
        }
    }
    translation.error = result < 0 ? static_cast<ParseError>(result) : ParseError::None;
    translation.status = messages::parseMessage(translation.error);
    if (translation.error != ParseError::None) {
        notifier.showMessage(errorReport(translation.output, tex), translation.status);
    }
    return translation;
}

} // namespace varquen
