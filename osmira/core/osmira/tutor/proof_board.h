#pragma once

#include "osmira/rules/solution_step.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace osmira {

// Where an element lies: the positions of the graphs to go through from the sheet, each among
// the graphs of its area (the empty path is the sheet). A cut's path also names its interior.
using GraphPath = std::vector<std::size_t>;

// A diagram being transformed by a search: every step is applied through the rules on a scratch
// exercise laid out from the current bracket form and recorded as the student would apply it.
// A refused step is a fault of the search; it is remembered and later steps are not applied.
class ProofBoard {
  public:
    explicit ProofBoard(std::string working) : working_(std::move(working)) {}

    const std::string& working() const { return working_; }
    const std::vector<SolutionStep>& steps() const { return steps_; }
    bool failed() const { return failed_; }

    std::string_view textOf(const GraphPath& graph) const;
    // The graphs juxtaposed in the sheet or in the cut at `area`.
    std::vector<std::string_view> graphsIn(const GraphPath& area) const;

    void erase(const GraphPath& graph);
    void deiterate(const GraphPath& graph);
    // Copies `source` to the start of the interior of the cut at `area`.
    void iterate(const GraphPath& source, const GraphPath& area);
    // Puts `graphs` at the start of the interior of the cut at `area`, which must be odd; empty
    // cuts, which no formula gives, are made from a letter inserted with them, and graphs too
    // deep for one formula are inserted in pieces.
    void insert(const GraphPath& area, std::string_view graphs);
    // The sheet or a cut: an empty double cut at the start of its area; a double cut: removed.
    void doubleCut(const GraphPath& element);

  private:
    std::size_t positionOf(const GraphPath& graph) const;
    void apply(SolutionStep step);
    using LetterRemoval = std::pair<std::size_t, Rule>;
    struct Lettered {
        std::string text;
        std::vector<LetterRemoval> removals;
    };
    static Lettered withLetters(std::string_view graphs);
    void carveEmptyCuts(std::size_t start, std::vector<LetterRemoval> letters);

    std::string working_;
    std::vector<SolutionStep> steps_;
    bool failed_ = false;
};

} // namespace osmira
