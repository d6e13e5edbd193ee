#pragma once

#include "zudaviror/tableau.h"

#include <string>

// A tableau written out for a student: as indented text for terminals, or as a LaTeX document.
namespace zudaviror {

// A node as the proof states it: "¬(□p→p), 0" or "0 r 1" (UTF-8).
std::string nodeStatement(const Tableau& tableau, const TableauNode& node);

// Why the node is there: its rule and the numbers of the nodes it came from, "¬→ 1" or "□ 2, 4";
// empty for the premise.
std::string nodeJustification(const TableauNode& node);

// How a branch ends, on its last node: "× a, b" (the numbers of the contradicting nodes) when
// closed, "↑ abierta", "… sin desarrollar", or empty for a node that does not end one.
std::string branchEnd(const TableauNode& node);

// Numbered lines down the tree, each branch indented under its split with "├─" and "└─", a closed
// branch ending in "× a, b" (the numbers of the contradicting nodes), the open one in "↑ abierta"
// and one not developed in "… sin desarrollar". Every line ends in a line feed.
std::string tableauText(const Tableau& tableau);

// A whole LaTeX document that draws the tableau as a tree with TikZ (tikz-qtree): each stretch
// without a split is one box of numbered lines, its branches hang below it.
std::string tableauLatex(const Tableau& tableau);

} // namespace zudaviror
