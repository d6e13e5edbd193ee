#include "varquen/first_order.h"

namespace varquen {

namespace {

void addTypings(const FirstOrderSignature& signature, const FirstOrderFormula& formula,
                std::set<RelationTyping>& typings) {
    if (formula.kind == FirstOrderFormula::Kind::Relation) {
        typings.insert({formula.symbol, termUniverses(signature, formula.terms)});
    }
    for (const FirstOrderFormula& part : formula.parts) {
        addTypings(signature, part, typings);
    }
}

} // namespace

int termUniverse(const FirstOrderSignature& signature, const FirstOrderTerm& term) {
    return term.kind == FirstOrderTerm::Kind::Variable
               ? signature.variables[static_cast<std::size_t>(term.symbol)].type
               : signature.functions[static_cast<std::size_t>(term.symbol)].types[0];
}

std::vector<int> termUniverses(const FirstOrderSignature& signature,
                               const std::vector<FirstOrderTerm>& terms) {
    std::vector<int> universes;
    for (const FirstOrderTerm& term : terms) {
        universes.push_back(termUniverse(signature, term));
    }
    return universes;
}

std::set<RelationTyping> relationTypings(const FirstOrderSignature& signature,
                                         const FirstOrderFormula& formula) {
    std::set<RelationTyping> typings;
    addTypings(signature, formula, typings);
    return typings;
}

} // namespace varquen
