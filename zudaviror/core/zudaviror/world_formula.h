#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

// The result of TRANS read back as the many-sorted formula it spells, over one sort of worlds:
// what the prover decides and what a TPTP problem states is exactly what the student sees.
namespace zudaviror {

enum class WorldNode {
    Holds,      // a letter's predicate (Pu) or a formula variable's marker (TRANS/(%)[u]) at a world
    Accessible, // S world otherWorld
    Distinct,   // world ~ otherWorld (how falsum is rendered: u~u)
    Negation,
    Binary,    // left symbol right, symbol one of + , - .
    Universal, // ^ world body (the body in left)
    Existential,
};

struct WorldFormula {
    WorldNode node = WorldNode::Holds;
    char symbol = 0;     // Holds: the letter or formula variable (p … t, % $ ; '); Binary: the connective
    char world = 0;      // a world letter: where it holds, the relation's first, the bound variable
    char otherWorld = 0; // Accessible and Distinct: the second world
    std::unique_ptr<WorldFormula> left;
    std::unique_ptr<WorldFormula> right;
};

struct WorldFormulaRead {
    std::unique_ptr<WorldFormula> value; // null when the text is not a TRANS result
    std::string reason;                  // why, in UTF-8
};

WorldFormulaRead readWorldFormula(std::string_view transResult);

// The world letters that occur free (u for every TRANS result), in order of first occurrence.
std::string freeWorlds(const WorldFormula& formula);

// The letters and formula variables whose predicates occur, each once, in order of occurrence.
std::string predicateSymbols(const WorldFormula& formula);

} // namespace zudaviror
