#include "varquen/tptp.h"

#include "suite/latin1.h"

#include <map>
#include <set>

namespace varquen {

namespace {

using Kind = FirstOrderFormula::Kind;

bool isPrintableAscii(const std::string& name) {
    for (const char c : name) {
        if (c < ' ' || c > '~') {
            return false;
        }
    }
    return !name.empty();
}

// A quoted TPTP atom for a declared name; a name TPTP cannot quote is numbered instead.
std::string atom(const std::string& name, const std::string& numbered) {
    if (!isPrintableAscii(name)) {
        return numbered;
    }
    std::string quoted = "'";
    for (const char c : name) {
        quoted += (c == '\'' || c == '\\') ? std::string{'\\', c} : std::string{c};
    }
    return quoted + "'";
}

bool isAlphanumeric(const std::string& name) {
    for (const char c : name) {
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) {
            return false;
        }
    }
    return !name.empty();
}

// TPTP variables begin with a capital: X_x for x.
std::string variableName(const FirstOrderSignature& signature, int v) {
    const std::string& name = signature.variables[static_cast<std::size_t>(v)].name;
    return isAlphanumeric(name) ? "X_" + name : "V" + std::to_string(v);
}

std::string universeAtom(const FirstOrderSignature& signature, int u) {
    return atom(signature.universeName(u), "u" + std::to_string(u));
}
std::string functionAtom(const FirstOrderSignature& signature, int f) {
    return atom(signature.functions[static_cast<std::size_t>(f)].name, "f" + std::to_string(f));
}
std::string relationAtom(const FirstOrderSignature& signature, int r) {
    return atom(signature.relations[static_cast<std::size_t>(r)].name, "r" + std::to_string(r));
}

std::string applied(const std::string& symbol, const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        return symbol;
    }
    std::string text = symbol + "(";
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        text += (i == 0 ? "" : ",") + arguments[i];
    }
    return text + ")";
}

std::string termText(const FirstOrderSignature& signature, const FirstOrderTerm& term) {
    if (term.kind == FirstOrderTerm::Kind::Variable) {
        return variableName(signature, term.symbol);
    }
    std::vector<std::string> arguments;
    for (const FirstOrderTerm& argument : term.arguments) {
        arguments.push_back(termText(signature, argument));
    }
    return applied(functionAtom(signature, term.symbol), arguments);
}

std::vector<std::string> termTexts(const FirstOrderSignature& signature,
                                   const std::vector<FirstOrderTerm>& terms) {
    std::vector<std::string> texts;
    for (const FirstOrderTerm& term : terms) {
        texts.push_back(termText(signature, term));
    }
    return texts;
}

std::string binary(const std::string& left, const char* op, const std::string& right) {
    return "(" + left + " " + op + " " + right + ")";
}

// The connectives and quantifiers both problems share; `atomic` writes the atomic formulas and
// `body` a quantifier's body as the problem has it.
template <class Atomic, class Body>
std::string formulaText(const FirstOrderSignature& signature, const FirstOrderFormula& formula,
                        const Atomic& atomic, const Body& body) {
    const auto part = [&](std::size_t i) { return formulaText(signature, formula.parts[i], atomic, body); };
    switch (formula.kind) {
    case Kind::Not:
        return "~ " + part(0);
    case Kind::And:
        return binary(part(0), "&", part(1));
    case Kind::Or:
        return binary(part(0), "|", part(1));
    case Kind::Implies:
        return binary(part(0), "=>", part(1));
    case Kind::ForAll:
    case Kind::Exists:
        return body(formula);
    default:
        return atomic(formula);
    }
}

std::string fofText(const FirstOrderSignature& signature, const FirstOrderFormula& formula) {
    const auto atomic = [&](const FirstOrderFormula& atom) {
        switch (atom.kind) {
        case Kind::Equals:
            return binary(termText(signature, atom.terms[0]), "=", termText(signature, atom.terms[1]));
        case Kind::Universe:
            return applied(universeAtom(signature, atom.symbol), termTexts(signature, atom.terms));
        case Kind::Relation:
            return applied(relationAtom(signature, atom.symbol), termTexts(signature, atom.terms));
        default:
            return applied(functionAtom(signature, atom.symbol), termTexts(signature, atom.terms));
        }
    };
    const auto body = [&](const FirstOrderFormula& quantified) {
        return std::string(quantified.kind == Kind::ForAll ? "! [" : "? [") +
               variableName(signature, quantified.symbol) + "] : " + fofText(signature, quantified.parts[0]);
    };
    return formulaText(signature, formula, atomic, body);
}

// Each relation of the many-sorted formula is named once for each tuple of its arguments'
// universes ("R_A_B"), the name numbered on where it would be another symbol's or another
// typing's (universes named A, A_B and B_A would make R_A_B_A twice).
using TypingNames = std::map<RelationTyping, std::string>;

TypingNames typingNames(const FirstOrderSignature& signature, const std::set<RelationTyping>& typings) {
    std::set<std::string> taken;
    for (int u = 1; u <= static_cast<int>(signature.universes.size()); ++u) {
        taken.insert(universeAtom(signature, u));
    }
    for (std::size_t f = 0; f < signature.functions.size(); ++f) {
        taken.insert(functionAtom(signature, static_cast<int>(f)));
    }
    TypingNames names;
    for (const auto& [relation, types] : typings) {
        std::string name = signature.relations[static_cast<std::size_t>(relation)].name;
        std::string numbered = "r" + std::to_string(relation);
        for (const int type : types) {
            name += "_" + signature.universeName(type);
            numbered += "_" + std::to_string(type);
        }
        std::string chosen = atom(name, numbered);
        for (int n = 2; taken.count(chosen) != 0; ++n) {
            chosen = atom(name + "_" + std::to_string(n), numbered + "_" + std::to_string(n));
        }
        taken.insert(chosen);
        names[{relation, types}] = chosen;
    }
    return names;
}

// The original formula: each quantifier over its universe without the relativisation, a universe
// predicate and an equality decided by the terms' universes.
std::string tffText(const FirstOrderSignature& signature, const FirstOrderFormula& formula,
                    const TypingNames& typings) {
    const auto atomic = [&](const FirstOrderFormula& atom) -> std::string {
        const std::vector<int> types = termUniverses(signature, atom.terms);
        switch (atom.kind) {
        case Kind::Equals:
            return types[0] != types[1]
                       ? "$false"
                       : binary(termText(signature, atom.terms[0]), "=", termText(signature, atom.terms[1]));
        case Kind::Universe:
            return types[0] == atom.symbol ? "$true" : "$false";
        case Kind::Relation:
            return applied(typings.at({atom.symbol, types}), termTexts(signature, atom.terms));
        default:
            return applied(functionAtom(signature, atom.symbol), termTexts(signature, atom.terms));
        }
    };
    const auto body = [&](const FirstOrderFormula& quantified) {
        const int type = signature.variables[static_cast<std::size_t>(quantified.symbol)].type;
        return std::string(quantified.kind == Kind::ForAll ? "! [" : "? [") +
               variableName(signature, quantified.symbol) + ": " + universeAtom(signature, type) +
               "] : " + tffText(signature, quantified.parts[0].parts[1], typings);
    };
    return formulaText(signature, formula, atomic, body);
}

std::string typeProduct(const FirstOrderSignature& signature, const std::vector<int>& types,
                        const std::string& result) {
    if (types.empty()) {
        return result;
    }
    std::string product;
    for (std::size_t i = 0; i < types.size(); ++i) {
        product += (i == 0 ? "" : " * ") + universeAtom(signature, types[i]);
    }
    return (types.size() == 1 ? product : "(" + product + ")") + " > " + result;
}

std::string typeDeclarations(const FirstOrderSignature& signature, const TypingNames& typings) {
    std::string text;
    for (int u = 1; u <= static_cast<int>(signature.universes.size()); ++u) {
        text +=
            "tff(universo_" + std::to_string(u) + ", type, " + universeAtom(signature, u) + ": $tType).\n";
    }
    for (std::size_t f = 0; f < signature.functions.size(); ++f) {
        const FirstOrderSignature::Function& function = signature.functions[f];
        if (function.used) {
            const std::string result =
                function.types[0] == 0 ? "$o" : universeAtom(signature, function.types[0]);
            text += "tff(funcion_" + std::to_string(f) + ", type, " +
                    functionAtom(signature, static_cast<int>(f)) + ": " +
                    typeProduct(signature, {function.types.begin() + 1, function.types.end()}, result) +
                    ").\n";
        }
    }
    int n = 0;
    for (const auto& [typing, name] : typings) {
        text += "tff(relacion_" + std::to_string(++n) + ", type, " + name + ": " +
                typeProduct(signature, typing.second, "$o") + ").\n";
    }
    return text;
}

// ! [X_x, …] : … over the free variables, or the formula itself when there are none.
std::string closedOver(const FirstOrderProblem& problem, const std::string& formula, bool typed) {
    if (problem.freeVariables.empty()) {
        return formula;
    }
    std::string variables;
    for (const int v : problem.freeVariables) {
        variables += (variables.empty() ? "" : ", ") + variableName(problem.signature, v);
        if (typed) {
            variables += ": " + universeAtom(problem.signature,
                                             problem.signature.variables[static_cast<std::size_t>(v)].type);
        }
    }
    return "! [" + variables + "] : " + formula;
}

// ! [X1, …] : ((U1(X1) & …) => U(f(X1, …))) for a function of result universe U.
std::string functionTyping(const FirstOrderSignature& signature, int f) {
    const FirstOrderSignature::Function& function = signature.functions[static_cast<std::size_t>(f)];
    std::vector<std::string> arguments;
    std::string guards;
    for (std::size_t i = 1; i < function.types.size(); ++i) {
        arguments.push_back("X" + std::to_string(i));
        const std::string guard = universeAtom(signature, function.types[i]) + "(" + arguments.back() + ")";
        guards = guards.empty() ? guard : binary(guards, "&", guard);
    }
    const std::string image = universeAtom(signature, function.types[0]) + "(" +
                              applied(functionAtom(signature, f), arguments) + ")";
    if (arguments.empty()) {
        return image;
    }
    const std::string variables = applied("", arguments);
    return "! [" + variables.substr(1, variables.size() - 2) + "] : " + binary(guards, "=>", image);
}

std::string relativisationAxioms(const FirstOrderSignature& signature) {
    std::string text;
    const int universes = static_cast<int>(signature.universes.size());
    for (int u = 1; u <= universes; ++u) {
        const std::string predicate = universeAtom(signature, u);
        text += "fof(no_vacio_" + std::to_string(u) + ", axiom, ? [X] : " + predicate + "(X)).\n";
        for (int w = u + 1; w <= universes; ++w) {
            text += "fof(disjuntos_" + std::to_string(u) + "_" + std::to_string(w) + ", axiom, ! [X] : ~ (" +
                    predicate + "(X) & " + universeAtom(signature, w) + "(X))).\n";
        }
    }
    for (std::size_t f = 0; f < signature.functions.size(); ++f) {
        const FirstOrderSignature::Function& function = signature.functions[f];
        if (function.used && function.types[0] != 0) {
            text += "fof(funcion_" + std::to_string(f) + ", axiom, " +
                    functionTyping(signature, static_cast<int>(f)) + ").\n";
        }
    }
    return text;
}

std::string guards(const FirstOrderProblem& problem) {
    std::string text;
    for (const int v : problem.freeVariables) {
        const std::string guard =
            universeAtom(problem.signature, problem.signature.variables[static_cast<std::size_t>(v)].type) +
            "(" + variableName(problem.signature, v) + ")";
        text = text.empty() ? guard : binary(text, "&", guard);
    }
    return text;
}

} // namespace

std::string tptpTranslation(const FirstOrderProblem& problem) {
    const std::string translation = fofText(problem.signature, problem.formula);
    const std::string conjecture =
        problem.freeVariables.empty() ? translation : binary(guards(problem), "=>", translation);
    return suite::utf8FromLatin1(relativisationAxioms(problem.signature) + "fof(traduccion, conjecture, " +
                                 closedOver(problem, conjecture, false) + ").\n");
}

std::string tptpOriginal(const FirstOrderProblem& problem) {
    // The translation's guards of the free variables are not part of the original formula.
    const FirstOrderFormula& original =
        problem.freeVariables.empty() ? problem.formula : problem.formula.parts[1];
    const TypingNames typings = typingNames(problem.signature, relationTypings(problem.signature, original));
    const std::string formula = tffText(problem.signature, original, typings);
    return suite::utf8FromLatin1(typeDeclarations(problem.signature, typings) + "tff(original, conjecture, " +
                                 closedOver(problem, formula, true) + ").\n");
}

std::string tptpProblem(const FirstOrderProblem& problem) {
    std::string commented;
    const std::string original = tptpOriginal(problem);
    for (std::size_t start = 0; start < original.size();) {
        const std::size_t end = original.find('\n', start);
        commented += "% " + original.substr(start, end - start) + "\n";
        start = end + 1;
    }
    return "% La traducción a un solo universo, con los axiomas de la relativización.\n" +
           tptpTranslation(problem) +
           "% La fórmula original, multivariada, como problema tff (sin los \"% \" del principio de cada "
           "línea).\n" +
           commented;
}

} // namespace varquen
