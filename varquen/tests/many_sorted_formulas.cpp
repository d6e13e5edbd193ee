#include "many_sorted_formulas.h"

#include <algorithm>
#include <stdexcept>

namespace varquen::testing {

namespace {

using Kind = Formula::Kind;

std::string typeList(const TestSignature::Function& function) {
    std::string text = std::to_string(function.result);
    for (const int parameter : function.parameters) {
        text += "," + std::to_string(parameter);
    }
    return text;
}

int pick(std::mt19937& random, int count) {
    return std::uniform_int_distribution<int>(0, count - 1)(random);
}

Formula binaryFormula(Kind kind, Formula left, Formula right) {
    Formula formula{kind, {}, {std::move(left), std::move(right)}, {}};
    return formula;
}

} // namespace

Declarations TestSignature::declarations() const {
    Declarations declarations;
    declarations.universes = universes;
    for (const Variable& variable : variables) {
        declarations.variables.push_back(variable.name + ":" + std::to_string(variable.type));
    }
    for (const Function& function : functions) {
        declarations.functions.push_back(function.name + ":" + typeList(function));
    }
    for (const Relation& relation : relations) {
        declarations.relations.push_back(relation.name + ":" + std::to_string(relation.arity));
    }
    return declarations;
}

int TestSignature::variableType(const std::string& name) const {
    for (const Variable& variable : variables) {
        if (variable.name == name) {
            return variable.type;
        }
    }
    throw std::invalid_argument("no such variable: " + name);
}

const TestSignature::Function& TestSignature::function(const std::string& name) const {
    for (const Function& function : functions) {
        if (function.name == name) {
            return function;
        }
    }
    throw std::invalid_argument("no such function: " + name);
}

Term var(const std::string& name) {
    return {name, true, {}};
}
Term fn(const std::string& name, std::vector<Term> arguments) {
    return {name, false, std::move(arguments)};
}
Formula rel(const std::string& name, std::vector<Term> arguments) {
    return {Kind::Relation, name, {}, std::move(arguments)};
}
Formula pred(const std::string& name, std::vector<Term> arguments) {
    return {Kind::Predicate, name, {}, std::move(arguments)};
}
Formula in(const std::string& universe, Term term) {
    return {Kind::Universe, universe, {}, {std::move(term)}};
}
Formula eq(Term left, Term right) {
    return {Kind::Equals, {}, {}, {std::move(left), std::move(right)}};
}
Formula neg(Formula formula) {
    return {Kind::Not, {}, {std::move(formula)}, {}};
}
Formula conj(Formula left, Formula right) {
    return binaryFormula(Kind::And, std::move(left), std::move(right));
}
Formula disj(Formula left, Formula right) {
    return binaryFormula(Kind::Or, std::move(left), std::move(right));
}
Formula imp(Formula left, Formula right) {
    return binaryFormula(Kind::Implies, std::move(left), std::move(right));
}
Formula forAll(const std::string& variable, Formula body) {
    return {Kind::ForAll, variable, {std::move(body)}, {}};
}
Formula exists(const std::string& variable, Formula body) {
    return {Kind::Exists, variable, {std::move(body)}, {}};
}

namespace {

std::string termText(const Term& term) {
    std::string text = term.symbol;
    for (const Term& argument : term.arguments) {
        text += " " + termText(argument);
    }
    return text;
}

std::string termsText(const std::vector<Term>& terms) {
    std::string text;
    for (const Term& term : terms) {
        text += " " + termText(term);
    }
    return text;
}

const char* keyword(Kind kind) {
    switch (kind) {
    case Kind::And:
        return "and";
    case Kind::Or:
        return "or";
    case Kind::Implies:
        return "imp";
    case Kind::ForAll:
        return "paratodo";
    default:
        return "existe";
    }
}

} // namespace

std::string formulaText(const Formula& formula) {
    switch (formula.kind) {
    case Kind::Not:
        return "not " + formulaText(formula.parts[0]);
    case Kind::And:
    case Kind::Or:
    case Kind::Implies:
        return formula.infix ? "( " + formulaText(formula.parts[0]) + " " + keyword(formula.kind) + " " +
                                   formulaText(formula.parts[1]) + " )"
                             : std::string(keyword(formula.kind)) + " " + formulaText(formula.parts[0]) +
                                   " " + formulaText(formula.parts[1]);
    case Kind::ForAll:
    case Kind::Exists:
        return std::string(keyword(formula.kind)) + " " + formula.symbol + " " +
               formulaText(formula.parts[0]);
    case Kind::Equals:
        return formula.infix ? "(" + termText(formula.terms[0]) + " e " + termText(formula.terms[1]) + " )"
                             : "e" + termsText(formula.terms);
    default:
        return formula.symbol + termsText(formula.terms);
    }
}

int termType(const TestSignature& signature, const Term& term) {
    return term.isVariable ? signature.variableType(term.symbol) : signature.function(term.symbol).result;
}

TestSignature exampleSignature() {
    return {{"A", "B"},
            {{"x", 1}, {"y", 1}, {"z", 2}, {"u", 1}},
            {{"c", 1, {}}, {"f", 1, {2}}, {"p", 0, {1}}},
            {{"R", 1}, {"S", 2}}};
}

TestSignature randomSignature(std::mt19937& random) {
    TestSignature signature;
    const int universes = 1 + pick(random, 3);
    for (int u = 0; u < universes; ++u) {
        signature.universes.push_back(std::string(1, static_cast<char>('A' + u)));
    }
    const auto anyUniverse = [&] { return 1 + pick(random, universes); };
    const char* names[] = {"x", "y", "z", "w"};
    for (int v = 0; v < 4; ++v) {
        signature.variables.push_back({names[v], v < universes ? v + 1 : anyUniverse()});
    }
    signature.functions.push_back({"c", anyUniverse(), {}});
    std::vector<int> parameters{anyUniverse()};
    if (pick(random, 2) == 1) {
        parameters.push_back(anyUniverse());
    }
    signature.functions.push_back({"f", anyUniverse(), parameters});
    signature.functions.push_back(
        {"p", 0, pick(random, 2) == 1 ? std::vector<int>{anyUniverse()} : std::vector<int>{}});
    signature.relations = {{"R", 1}, {"S", 2}};
    return signature;
}

namespace {

// A term of the universe (0: of any), functions nested at most `depth` deep.
Term randomTerm(const TestSignature& signature, std::mt19937& random, int universe, int depth) {
    if (universe == 0) {
        universe = 1 + pick(random, static_cast<int>(signature.universes.size()));
    }
    std::vector<const TestSignature::Function*> functions;
    for (const TestSignature::Function& function : signature.functions) {
        if (function.result == universe) {
            functions.push_back(&function);
        }
    }
    if (depth > 0 && !functions.empty() && pick(random, 3) == 0) {
        const TestSignature::Function& function =
            *functions[static_cast<std::size_t>(pick(random, static_cast<int>(functions.size())))];
        Term term = fn(function.name);
        for (const int parameter : function.parameters) {
            term.arguments.push_back(randomTerm(signature, random, parameter, depth - 1));
        }
        return term;
    }
    std::vector<std::string> variables;
    for (const TestSignature::Variable& variable : signature.variables) {
        if (variable.type == universe) {
            variables.push_back(variable.name);
        }
    }
    return var(variables[static_cast<std::size_t>(pick(random, static_cast<int>(variables.size())))]);
}

Formula randomAtom(const TestSignature& signature, std::mt19937& random) {
    switch (pick(random, 5)) {
    case 0: {
        Formula formula = eq(randomTerm(signature, random, 0, 1), randomTerm(signature, random, 0, 1));
        formula.infix = pick(random, 2) == 1;
        return formula;
    }
    case 1:
        return in(signature.universes[static_cast<std::size_t>(
                      pick(random, static_cast<int>(signature.universes.size())))],
                  randomTerm(signature, random, 0, 1));
    case 2:
        return rel("R", {randomTerm(signature, random, 0, 1)});
    case 3:
        return rel("S", {randomTerm(signature, random, 0, 1), randomTerm(signature, random, 0, 1)});
    default: {
        Formula formula = pred("p");
        for (const int parameter : signature.function("p").parameters) {
            formula.terms.push_back(randomTerm(signature, random, parameter, 1));
        }
        return formula;
    }
    }
}

} // namespace

Formula randomFormula(const TestSignature& signature, std::mt19937& random, int depth) {
    const int choice = depth == 0 ? 0 : pick(random, 5);
    const auto sub = [&] { return randomFormula(signature, random, depth - 1); };
    const std::string& variable = signature.variables[static_cast<std::size_t>(pick(random, 4))].name;
    switch (choice) {
    case 0:
        return randomAtom(signature, random);
    case 1:
        return neg(sub());
    case 2: {
        Formula formula =
            binaryFormula(static_cast<Kind>(static_cast<int>(Kind::And) + pick(random, 3)), sub(), sub());
        formula.infix = pick(random, 2) == 1;
        return formula;
    }
    case 3:
        return forAll(variable, sub());
    default:
        return exists(variable, sub());
    }
}

namespace {

using Valuation = std::map<std::string, std::string>;

const std::vector<std::string>& elementsOf(const Countermodel& model, const std::string& universe) {
    for (const Countermodel::Universe& candidate : model.universes) {
        if (candidate.name == universe) {
            return candidate.elements;
        }
    }
    throw std::invalid_argument("no such universe in the countermodel: " + universe);
}

std::string entryValue(const Countermodel& model, const std::string& function,
                       const std::vector<std::string>& arguments) {
    for (const Countermodel::Function& table : model.functions) {
        for (const Countermodel::Entry& entry : table.entries) {
            if (table.name == function && entry.arguments == arguments) {
                return entry.value;
            }
        }
    }
    throw std::invalid_argument("the countermodel has no value for " + function);
}

std::string valueOf(const Countermodel& model, const Valuation& valuation, const Term& term) {
    if (term.isVariable) {
        return valuation.at(term.symbol);
    }
    std::vector<std::string> arguments;
    for (const Term& argument : term.arguments) {
        arguments.push_back(valueOf(model, valuation, argument));
    }
    return entryValue(model, term.symbol, arguments);
}

std::vector<std::string> valuesOf(const Countermodel& model, const Valuation& valuation,
                                  const std::vector<Term>& terms) {
    std::vector<std::string> values;
    for (const Term& term : terms) {
        values.push_back(valueOf(model, valuation, term));
    }
    return values;
}

bool holds(const Countermodel& model, const TestSignature& signature, const Formula& formula,
           Valuation& valuation) {
    const auto part = [&](std::size_t i) { return holds(model, signature, formula.parts[i], valuation); };
    switch (formula.kind) {
    case Kind::Not:
        return !part(0);
    case Kind::And:
        return part(0) && part(1);
    case Kind::Or:
        return part(0) || part(1);
    case Kind::Implies:
        return !part(0) || part(1);
    case Kind::ForAll:
    case Kind::Exists: {
        const Valuation saved = valuation;
        const std::string& universe =
            signature.universes[static_cast<std::size_t>(signature.variableType(formula.symbol) - 1)];
        bool any = false, all = true;
        for (const std::string& element : elementsOf(model, universe)) {
            valuation[formula.symbol] = element;
            const bool value = part(0);
            any = any || value;
            all = all && value;
        }
        valuation = saved;
        return formula.kind == Kind::ForAll ? all : any;
    }
    case Kind::Equals:
        return termType(signature, formula.terms[0]) == termType(signature, formula.terms[1]) &&
               valueOf(model, valuation, formula.terms[0]) == valueOf(model, valuation, formula.terms[1]);
    case Kind::Universe:
        return signature.universes[static_cast<std::size_t>(termType(signature, formula.terms[0]) - 1)] ==
               formula.symbol;
    case Kind::Relation:
        for (const Countermodel::Relation& relation : model.relations) {
            if (relation.name == formula.symbol) {
                const std::vector<std::string> tuple = valuesOf(model, valuation, formula.terms);
                return std::find(relation.tuples.begin(), relation.tuples.end(), tuple) !=
                       relation.tuples.end();
            }
        }
        throw std::invalid_argument("the countermodel lacks the relation " + formula.symbol);
    default:
        return entryValue(model, formula.symbol, valuesOf(model, valuation, formula.terms)) == kTrueValue;
    }
}

} // namespace

bool holdsIn(const Countermodel& model, const TestSignature& signature, const Formula& formula) {
    Valuation valuation;
    for (const Countermodel::Assignment& assignment : model.freeVariables) {
        valuation[assignment.variable] = assignment.element;
    }
    return holds(model, signature, formula, valuation);
}

std::size_t individualsOf(const Countermodel& model) {
    std::size_t individuals = 0;
    for (const Countermodel::Universe& universe : model.universes) {
        individuals += universe.elements.size();
    }
    return individuals;
}

QuestionText tenVariablesBeyondEverySmallDomain() {
    const std::string names = "abcdghklmn";
    QuestionText question{{{"A"}, {"x:1", "y:1", "z:1"}, {}, {"R:2", "S:2"}}, {}};
    std::string chain, innermost = "R m n";
    for (std::size_t i = 0; i < names.size(); ++i) {
        question.declarations.variables.push_back(std::string(1, names[i]) + ":1");
        chain += (i % 2 == 0 ? "paratodo " : "existe ") + std::string(1, names[i]) + " ";
        if (i % 2 == 0 && i + 2 < names.size()) {
            innermost = "and R " + std::string(1, names[i]) + " " + names[i + 1] + " " + innermost;
        }
    }
    question.formula = "or not and and paratodo x existe y S x y paratodo x not S x x paratodo x paratodo y "
                       "paratodo z imp and S x y S y z S x z " +
                       chain + innermost;
    return question;
}

} // namespace varquen::testing
