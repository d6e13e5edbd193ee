#pragma once

#include "osmira/derivation_search.h"

#include <cstddef>
#include <string>
#include <vector>

namespace osmira {

// The shortest way, breadth first over at most `budget` diagrams, to a diagram holding every graph
// of `goal` on its sheet by deiteration and double-cut removal alone: the steps that only take
// away, the common textbook moves (modus ponens, disjunctive syllogism, double negation). The
// surplus graphs are then to be erased. Each step is applied through the rules. Empty when no
// such diagram was reached (or the working form already holds the goal).
struct Reduction {
    std::vector<SolutionStep> steps;
    std::string reached;
};

Reduction reduceTowards(const std::string& working, const std::string& goal, std::size_t budget);

} // namespace osmira
