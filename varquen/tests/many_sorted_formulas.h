#pragma once

#include "varquen/declarations.h"
#include "varquen/validity.h"

#include <map>
#include <random>
#include <string>
#include <vector>

// Many-sorted formulas as the tests build them, independently of the program: a signature, a
// tree, its text in the program's prefix syntax, random formulas, and evaluation in a countermodel.
namespace varquen::testing {

struct TestSignature {
    struct Variable {
        std::string name;
        int type;
    };
    struct Function {
        std::string name;
        int result; // 0: its applications are formulas
        std::vector<int> parameters;
    };
    struct Relation {
        std::string name;
        int arity;
    };
    std::vector<std::string> universes; // universe u is universes[u - 1]
    std::vector<Variable> variables;
    std::vector<Function> functions;
    std::vector<Relation> relations;

    Declarations declarations() const;
    int variableType(const std::string& name) const;
    const Function& function(const std::string& name) const;
};

struct Term {
    std::string symbol;
    bool isVariable = true;
    std::vector<Term> arguments;
};

struct Formula {
    enum class Kind { Not, And, Or, Implies, ForAll, Exists, Equals, Universe, Relation, Predicate };
    Kind kind = Kind::Relation;
    std::string symbol; // the quantified variable, universe, relation or function
    std::vector<Formula> parts;
    std::vector<Term> terms;
    bool infix = false; // written "( A and B )" or "( t e u )"
};

// Builders for readable tables.
Term var(const std::string& name);
Term fn(const std::string& name, std::vector<Term> arguments = {});
Formula rel(const std::string& name, std::vector<Term> arguments);
Formula pred(const std::string& name, std::vector<Term> arguments = {});
Formula in(const std::string& universe, Term term);
Formula eq(Term left, Term right);
Formula neg(Formula formula);
Formula conj(Formula left, Formula right);
Formula disj(Formula left, Formula right);
Formula imp(Formula left, Formula right);
Formula forAll(const std::string& variable, Formula body);
Formula exists(const std::string& variable, Formula body);

std::string formulaText(const Formula& formula);

int termType(const TestSignature& signature, const Term& term);

// Universes A and B; x, y, u in A, z in B; c a constant of A, f from B to A, p a property of A's
// elements written as a formula-valued function; R on anything, S on pairs.
TestSignature exampleSignature();

// A random signature of one to three universes with a variable in each, a few functions (a
// constant, a predicate among them) and relations; a random formula over it, `depth` deep.
TestSignature randomSignature(std::mt19937& random);
Formula randomFormula(const TestSignature& signature, std::mt19937& random, int depth);

// The formula's value in the countermodel, its free variables at the countermodel's values.
bool holdsIn(const Countermodel& model, const TestSignature& signature, const Formula& formula);

// The individuals of every universe of the countermodel.
std::size_t individualsOf(const Countermodel& model);

// Declarations and a formula false only in an endless chain, with an innermost part that names
// ten variables: no domain small enough to write out refutes it (Z3 once made instances for
// 20 s in an attempt given 50 ms).
struct QuestionText {
    Declarations declarations;
    std::string formula;
};
QuestionText tenVariablesBeyondEverySmallDomain();

} // namespace varquen::testing
