#pragma once

#include "osmira/model/ejercicio.h"

#include <string>
#include <vector>

namespace osmira {

// What an exercise asks, as its file records it: the hypotheses and the conclusion in bracket
// form (Latin-1; either may be empty, as a theorem's hypotheses are).
struct Statement {
    std::string hypotheses;
    std::string conclusion;
};

Statement statementOf(const CEjercicio& exercise);

// Whether two statements ask the same: the same graphs up to the order of juxtaposed graphs at
// any depth, so the order of the hypotheses (and of the terms of a conjunction) does not count,
// nor does how the formulas were spelt (parentheses, blanks), while ¬¬A is not A.
bool sameStatement(const Statement& a, const Statement& b);

// The hypotheses as formulas in logic signs (UTF-8), one for each graph on the first sheet,
// which is how they were joined: a hypothesis A∧B stands as A and B. A graph no formula gives
// (an empty cut) or too deep to read as one is left in bracket form.
std::vector<std::string> hypothesisFormulas(const Statement& statement);
// Those formulas joined by ", ".
std::string hypothesesText(const Statement& statement);
// The conclusion in logic signs (UTF-8); empty without one.
std::string conclusionFormula(const Statement& statement);

// The statement on one line, UTF-8: "A→C, A ⊢ C", "⊢ C" for a theorem, "A (sin conclusión)".
std::string statementText(const Statement& statement);

} // namespace osmira
