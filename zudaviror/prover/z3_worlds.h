#pragma once

#include "zudaviror/modal_system.h"
#include "zudaviror/world_formula.h"

#include <z3++.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

// The many-sorted formulas of TRANS in Z3: one sort of worlds, the accessibility relation S, a
// predicate a letter or formula variable, and the frame conditions as axioms over the worlds.
namespace zudaviror::prover {

class Z3Worlds {
  public:
    // An unbounded sort of worlds, quantified over by Z3.
    explicit Z3Worlds(z3::context& context);
    // `count` worlds, named, over which every quantifier is written out as a conjunction or a
    // disjunction: what is left for Z3 has no quantifier, and the other individuals of the sort
    // play no part.
    Z3Worlds(z3::context& context, std::size_t count);

    // How many formulas over worlds writing `formula`'s quantifiers out over `count` worlds makes:
    // each part once for every choice of the worlds its free letters stand for.
    static double writtenOutSize(const WorldFormula& formula, std::size_t count);

    z3::context& context() { return context_; }
    const z3::sort& worldSort() const { return world_; }
    const z3::func_decl& accessible() const { return accessible_; }
    z3::func_decl predicate(char symbol); // made at its first use
    z3::expr world(char letter);          // the world a letter names, as a constant
    // The world a free letter names; written out, the first world (any world of a model may be
    // named first), which spares Z3 the choice.
    z3::expr firstWorld(char letter);

    // The world letters that occur free stand for the given worlds.
    z3::expr formula(const WorldFormula& formula, const std::map<char, z3::expr>& freeWorlds);

    z3::expr frameAxiom(FrameCondition condition);

    // That the written-out worlds are as many as they are named (true when unbounded).
    z3::expr writtenWorldsApart();

    // The worlds of a model: its universe of the sort, or the written-out worlds.
    z3::expr_vector worldsOf(const z3::model& model);

  private:
    z3::expr translate(const WorldFormula& formula, std::map<char, z3::expr>& worlds);
    z3::expr translatePart(const WorldFormula& formula, std::map<char, z3::expr>& worlds);
    // Every or some world for `body`, over the written-out worlds.
    z3::expr overEveryWorld(bool universal, const std::function<z3::expr(const z3::expr&)>& body);
    z3::expr boundedFrameAxiom(FrameCondition condition);

    z3::context& context_;
    z3::sort world_;
    z3::func_decl accessible_;
    std::map<char, z3::func_decl> predicates_;
    z3::expr_vector written_; // the worlds written out; empty when unbounded
    std::string suffix_;      // of the names of a written-out sort's symbols
    std::map<const WorldFormula*, std::string> freeLetters_;
    std::map<std::vector<std::uintptr_t>, z3::expr> writtenOut_; // a part, and its free letters' worlds
};

} // namespace zudaviror::prover
