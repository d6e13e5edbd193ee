#pragma once

#include "zudaviror/modal_system.h"
#include "zudaviror/world_formula.h"

#include <z3++.h>

#include <map>

// The many-sorted formulas of TRANS in Z3: one sort of worlds, the accessibility relation S, a
// predicate a letter or formula variable, and the frame conditions as axioms over the worlds.
namespace zudaviror::prover {

class Z3Worlds {
  public:
    explicit Z3Worlds(z3::context& context);

    z3::context& context() { return context_; }
    const z3::sort& worldSort() const { return world_; }
    const z3::func_decl& accessible() const { return accessible_; }
    z3::func_decl predicate(char symbol); // made at its first use

    // The world letters that occur free stand for the given worlds.
    z3::expr formula(const WorldFormula& formula, const std::map<char, z3::expr>& freeWorlds);

    z3::expr frameAxiom(FrameCondition condition);

  private:
    z3::expr translate(const WorldFormula& formula, std::map<char, z3::expr>& worlds);

    z3::context& context_;
    z3::sort world_;
    z3::func_decl accessible_;
    std::map<char, z3::func_decl> predicates_;
};

} // namespace zudaviror::prover
