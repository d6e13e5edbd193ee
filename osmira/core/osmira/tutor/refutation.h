#pragma once

#include "osmira/bracket/graph_truth.h"
#include "osmira/tutor/proof_board.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace osmira {

// Proof by contradiction on a board: the empty cut derived in an even area from the graphs that
// stand around it (in the area itself and in every area enclosing it, except the cuts that
// enclose the area). A case split on a letter adds [[P][ ]] to the area, refutes P false inside
// and brings P out by removing the two double cuts; once the letters decide a standing graph to
// be false, that graph is copied in and emptied by deiterating each of its graphs, which are
// true and so are made to stand first (a true cut is inserted in a double cut whose inner cut
// is refuted in turn). Complete: the area is refuted whenever the standing graphs cannot all be
// true under a valuation extending the one given. Before a split, a standing cut whose graphs
// all stand and are true but one, whose value is open, is copied in and emptied of the true ones
// (unit propagation): what is left tells a letter's value in fewer steps than a split.
class Refutation {
  public:
    explicit Refutation(ProofBoard& board) : board_(board) {}

    // Leaves the cut at `area` (an even interior) holding only the empty cut; false when the
    // standing graphs can be true together, or a step was refused.
    bool refute(const GraphPath& area, Valuation valuation);

  private:
    struct Standing {
        GraphPath path;
        std::string_view text;
    };

    std::vector<Standing> standing(const GraphPath& area) const;
    bool stands(const GraphPath& area, std::string_view text) const;
    Valuation withLiterals(const GraphPath& area, Valuation valuation) const;
    std::optional<std::string> falseGraph(const GraphPath& area, const Valuation& valuation) const;
    std::optional<char> openLetter(const GraphPath& area, const Valuation& valuation) const;

    bool propagate(const GraphPath& area, const Valuation& valuation);
    std::size_t falsify(const GraphPath& area, const std::string& graph, const Valuation& valuation);
    void establish(const GraphPath& area, const std::string& graph, const Valuation& valuation);
    void split(const GraphPath& area, char letter, const Valuation& valuation);
    std::size_t copyInto(const GraphPath& area, const std::string& graph);
    void openDoubleCut(const GraphPath& area);
    void keepOnly(const GraphPath& area, std::size_t kept);

    ProofBoard& board_;
    bool stuck_ = false;
};

} // namespace osmira
