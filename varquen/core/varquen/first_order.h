#pragma once

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace varquen {

// The one-sorted translation read back into a tree, so that a prover and the TPTP writer work on
// exactly what the student sees translated. Symbols are numbered as in the signature: a term's
// or a formula's `symbol` is a variable, function, relation or universe number.
struct FirstOrderTerm {
    enum class Kind { Variable, Function };
    Kind kind = Kind::Variable;
    int symbol = 0;
    std::vector<FirstOrderTerm> arguments;
};

struct FirstOrderFormula {
    // Predicate: a function of result type 0 applied to its arguments.
    enum class Kind { Not, And, Or, Implies, ForAll, Exists, Equals, Universe, Relation, Predicate };
    Kind kind = Kind::Relation;
    // The quantified variable, the universe, the relation or the function.
    int symbol = 0;
    // Operands of a connective; a quantifier's body, which the translation relativises as
    // (U x → A) or (U x ∧ A).
    std::vector<FirstOrderFormula> parts;
    // Arguments of an atomic formula; both sides of an equality.
    std::vector<FirstOrderTerm> terms;
};

// The signature as the prover needs it, with names in Latin-1 as declared.
struct FirstOrderSignature {
    struct Variable {
        std::string name;
        int type = 0;
    };
    struct Function {
        std::string name;
        // Position 0 is the result type (0: the application is a formula), then the parameters'.
        std::vector<int> types;
        bool used = false;
    };
    struct Relation {
        std::string name;
        int arity = 0;
        bool used = false;
    };
    // Universe u is universes[u - 1].
    std::vector<std::string> universes;
    std::vector<Variable> variables;
    std::vector<Function> functions;
    std::vector<Relation> relations;

    const std::string& universeName(int universe) const {
        return universes[static_cast<std::size_t>(universe - 1)];
    }
};

// A validity question: the closed translation over its signature. The free variables (those the
// translation guards) range over their universes: their guards are hypotheses.
struct FirstOrderProblem {
    FirstOrderSignature signature;
    FirstOrderFormula formula;
    std::vector<int> freeVariables;
};

// The universe a term's values lie in: its variable's, or its function's result universe.
int termUniverse(const FirstOrderSignature& signature, const FirstOrderTerm& term);

// The universes of an atomic formula's arguments, in order.
std::vector<int> termUniverses(const FirstOrderSignature& signature,
                               const std::vector<FirstOrderTerm>& terms);

// Each relation of the formula with the universes of its arguments, once for every tuple of
// universes it is applied to: the translation's relations take any individuals, the original
// formula's only those of its universes.
using RelationTyping = std::pair<int, std::vector<int>>;
std::set<RelationTyping> relationTypings(const FirstOrderSignature& signature,
                                         const FirstOrderFormula& formula);

} // namespace varquen
