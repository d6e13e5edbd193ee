// The translation, read back and put to Z3 as the prover puts it, against a many-sorted semantics
// written here: one Z3 sort per universe, and the one-sorted structure made from the many-sorted
// one as the relativisation makes it (each universe embedded in the domain, the embeddings'
// images disjoint, functions and relations acting on the images as on the universes). Z3 must
// prove the formula's many-sorted value equal to its translation's, for every valuation.
#include "many_sorted_formulas.h"

#include "varquen/translation_reader.h"
#include "z3_problem.h"

#include <gtest/gtest.h>

#include <map>

namespace varquen::testing {
namespace {

class ManySortedSemantics {
  public:
    ManySortedSemantics(const TestSignature& signature, const prover::Z3Signature& oneSorted)
        : signature_(signature), oneSorted_(oneSorted), context_(oneSorted.context), links_(context_) {
        for (const std::string& universe : signature.universes) {
            sorts_.push_back(context_.uninterpreted_sort(("S_" + universe).c_str()));
            embeddings_.push_back(
                context_.function(("inj_" + universe).c_str(), sorts_.back(), oneSorted.individuals));
            linkUniverse(sorts_.size() - 1);
        }
        for (std::size_t f = 0; f < signature.functions.size(); ++f) {
            linkFunction(f);
        }
        for (const TestSignature::Variable& variable : signature.variables) {
            variables_.emplace(variable.name,
                               context_.constant(("s_" + variable.name).c_str(), sortOf(variable.type)));
        }
    }

    z3::expr formula(const Formula& formula);

    // Each declared variable's one-sorted constant replaced by the embedding of its many-sorted one.
    z3::expr atTheEmbedding(const z3::expr& translation) {
        z3::expr_vector from(context_), to(context_);
        for (std::size_t v = 0; v < signature_.variables.size(); ++v) {
            const TestSignature::Variable& variable = signature_.variables[v];
            from.push_back(oneSorted_.variables[v]);
            to.push_back(embed(variable.type, variables_.at(variable.name)));
        }
        return z3::expr(translation).substitute(from, to);
    }

    const z3::expr_vector& links() const { return links_; }

  private:
    z3::sort sortOf(int universe) const { return sorts_[static_cast<std::size_t>(universe - 1)]; }
    z3::expr embed(int universe, const z3::expr& element) const {
        return embeddings_[static_cast<std::size_t>(universe - 1)](element);
    }

    // The universe's image is exactly the elements of its predicate, and no other universe's.
    void linkUniverse(std::size_t u) {
        const z3::expr s = context_.constant("s", sorts_[u]);
        const z3::expr d = context_.constant("d", oneSorted_.individuals);
        const z3::func_decl projection =
            context_.function(("proj_" + signature_.universes[u]).c_str(), oneSorted_.individuals, sorts_[u]);
        links_.push_back(z3::forall(s, projection(embeddings_[u](s)) == s));
        links_.push_back(z3::forall(s, oneSorted_.universes[u](embeddings_[u](s))));
        links_.push_back(
            z3::forall(d, z3::implies(oneSorted_.universes[u](d), embeddings_[u](projection(d)) == d)));
        for (std::size_t w = 0; w < u; ++w) {
            const z3::expr other = context_.constant("o", sorts_[w]);
            links_.push_back(z3::forall(s, other, embeddings_[u](s) != embeddings_[w](other)));
        }
    }

    void linkFunction(std::size_t f) {
        const TestSignature::Function& function = signature_.functions[f];
        z3::sort_vector domain(context_);
        z3::expr_vector arguments(context_), embedded(context_);
        for (std::size_t i = 0; i < function.parameters.size(); ++i) {
            domain.push_back(sortOf(function.parameters[i]));
            arguments.push_back(context_.constant(("a" + std::to_string(i)).c_str(), domain.back()));
            embedded.push_back(embed(function.parameters[i], arguments.back()));
        }
        const z3::sort range = function.result == 0 ? context_.bool_sort() : sortOf(function.result);
        const z3::func_decl manySorted = context_.function(("m_" + function.name).c_str(), domain, range);
        functions_.emplace(function.name, manySorted);
        const z3::expr value =
            function.result == 0 ? manySorted(arguments) : embed(function.result, manySorted(arguments));
        const z3::expr link = oneSorted_.functions[f](embedded) == value;
        links_.push_back(arguments.empty() ? link : z3::forall(arguments, link));
    }

    // The relation on one tuple of universes: a relation of its own, linked to the one-sorted one.
    z3::func_decl relationOn(const std::string& name, const std::vector<int>& types) {
        std::string key = name;
        for (const int type : types) {
            key += "_" + std::to_string(type);
        }
        if (const auto found = relations_.find(key); found != relations_.end()) {
            return found->second;
        }
        std::size_t r = 0;
        while (signature_.relations[r].name != name) {
            ++r;
        }
        z3::sort_vector domain(context_);
        z3::expr_vector arguments(context_), embedded(context_);
        for (std::size_t i = 0; i < types.size(); ++i) {
            domain.push_back(sortOf(types[i]));
            arguments.push_back(context_.constant(("a" + std::to_string(i)).c_str(), domain.back()));
            embedded.push_back(embed(types[i], arguments.back()));
        }
        const z3::func_decl relation = context_.function(("m_" + key).c_str(), domain, context_.bool_sort());
        links_.push_back(z3::forall(arguments, oneSorted_.relations[r](embedded) == relation(arguments)));
        relations_.emplace(key, relation);
        return relation;
    }

    z3::expr term(const Term& term) {
        if (term.isVariable) {
            return variables_.at(term.symbol);
        }
        return functions_.at(term.symbol)(terms(term.arguments));
    }
    z3::expr_vector terms(const std::vector<Term>& list) {
        z3::expr_vector values(context_);
        for (const Term& item : list) {
            values.push_back(term(item));
        }
        return values;
    }
    std::vector<int> types(const std::vector<Term>& list) const {
        std::vector<int> result;
        for (const Term& item : list) {
            result.push_back(termType(signature_, item));
        }
        return result;
    }

    const TestSignature& signature_;
    const prover::Z3Signature& oneSorted_;
    z3::context& context_;
    std::vector<z3::sort> sorts_;
    std::vector<z3::func_decl> embeddings_;
    std::map<std::string, z3::func_decl> functions_;
    std::map<std::string, z3::func_decl> relations_;
    std::map<std::string, z3::expr> variables_;
    z3::expr_vector links_;
};

z3::expr ManySortedSemantics::formula(const Formula& formula) {
    using Kind = Formula::Kind;
    const auto part = [&](std::size_t i) { return this->formula(formula.parts[i]); };
    switch (formula.kind) {
    case Kind::Not:
        return !part(0);
    case Kind::And:
        return part(0) && part(1);
    case Kind::Or:
        return part(0) || part(1);
    case Kind::Implies:
        return z3::implies(part(0), part(1));
    case Kind::ForAll:
        return z3::forall(variables_.at(formula.symbol), part(0));
    case Kind::Exists:
        return z3::exists(variables_.at(formula.symbol), part(0));
    case Kind::Equals: {
        const std::vector<int> sides = types(formula.terms);
        return sides[0] == sides[1] ? term(formula.terms[0]) == term(formula.terms[1])
                                    : context_.bool_val(false);
    }
    case Kind::Universe:
        return context_.bool_val(
            signature_.universes[static_cast<std::size_t>(types(formula.terms)[0] - 1)] == formula.symbol);
    case Kind::Relation:
        return relationOn(formula.symbol, types(formula.terms))(terms(formula.terms));
    default:
        return functions_.at(formula.symbol)(terms(formula.terms));
    }
}

TEST(ProverEquivalence, TranslationsOfRandomFormulasAreProvedEquivalentToTheManySortedSemantics) {
    std::mt19937 random(20261209);
    for (int i = 0; i < 300; ++i) {
        const TestSignature signature = randomSignature(random);
        const Formula formula = randomFormula(signature, random, 3);
        const std::string text = formulaText(formula);
        SilentNotifier notifier;
        const ProblemRead read = validityProblem(signature.declarations(), text, notifier);
        ASSERT_TRUE(read.value) << text << ": " << read.reason;

        z3::context context;
        const prover::Z3Signature oneSorted = prover::declareSignature(context, read.value->signature);
        ManySortedSemantics semantics(signature, oneSorted);
        const z3::expr translation =
            semantics.atTheEmbedding(prover::encodeFormula(oneSorted, read.value->formula));
        // One direction at a time: Z3 skolemizes what stands at the top, not under an equivalence.
        const z3::expr manySorted = semantics.formula(formula);
        for (const z3::expr& counterexample : {manySorted && !translation, translation && !manySorted}) {
            z3::solver solver(context);
            z3::params params(context);
            params.set("timeout", 10000u);
            solver.set(params);
            solver.add(semantics.links());
            solver.add(counterexample);
            ASSERT_EQ(solver.check(), z3::unsat) << "formula " << i << ": " << text;
        }
    }
}

} // namespace
} // namespace varquen::testing
