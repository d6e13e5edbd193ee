#include "osmira/proof_board.h"

#include "osmira/bracket_form.h"
#include "osmira/graph_formula.h"

#include <algorithm>
#include <functional>

namespace osmira {

std::size_t ProofBoard::positionOf(const GraphPath& graph) const {
    std::size_t start = 0;
    std::size_t position = 0;
    for (std::size_t index : graph) {
        position = start;
        for (std::size_t k = 0; k < index; ++k) {
            position += Span(working_, position);
        }
        start = position + 1;
    }
    return position;
}

std::size_t ProofBoard::elementAt(std::size_t position) const {
    return 1 + position -
           static_cast<std::size_t>(std::count(working_.begin(), working_.begin() + position, ']'));
}

std::string_view ProofBoard::textOf(const GraphPath& graph) const {
    const std::size_t at = positionOf(graph);
    return std::string_view(working_).substr(at, Span(working_, at));
}

std::vector<std::string_view> ProofBoard::graphsIn(const GraphPath& area) const {
    if (area.empty()) {
        return osmira::graphsOf(working_);
    }
    return osmira::graphsOf(interior(textOf(area)));
}

void ProofBoard::apply(SolutionStep step) {
    if (failed_) {
        return;
    }
    step.before = working_;
    WindowlessWorkbench workbench;
    CEjercicio scratch;
    scratch.attachWorkbench(workbench);
    scratch.SetWorking(working_);
    scratch.BuildDiagram(scratch.AppendStep());
    if (applySolutionStep(scratch, workbench, step) != RuleOutcome::Committed) {
        failed_ = true;
        return;
    }
    working_ = scratch.GetWorking();
    steps_.push_back(std::move(step));
}

void ProofBoard::erase(const GraphPath& graph) {
    apply({Rule::Erasure, elementAt(positionOf(graph)), {}, {}, {}, {}});
}

void ProofBoard::deiterate(const GraphPath& graph) {
    apply({Rule::Deiteration, elementAt(positionOf(graph)), {}, {}, {}, {}});
}

void ProofBoard::iterate(const GraphPath& source, const GraphPath& area) {
    apply({Rule::Iteration, elementAt(positionOf(area)), elementAt(positionOf(source)), {}, {}, {}});
}

void ProofBoard::doubleCut(const GraphPath& element) {
    const std::size_t index = element.empty() ? 0 : elementAt(positionOf(element));
    apply({Rule::DoubleCut, index, {}, {}, DoubleCutPosition::Inside, {}});
}

void ProofBoard::insertAt(std::size_t area, const std::string& graphs) {
    if (std::optional<std::string> formula = formulaFor(graphs)) {
        apply({Rule::Insertion, elementAt(area), {}, *formula, {}, {}});
    } else {
        failed_ = true;
    }
}

void ProofBoard::insert(const GraphPath& area, std::string_view graphs) {
    // An empty cut in an odd area is [A] with its letter erased; in an even area it is A[A]
    // with the inner letter deiterated and the outer one erased: the letters' offsets within the
    // text inserted, each with the rule that removes it.
    std::string written;
    std::vector<LetterRemoval> removals;
    int depth = 0;
    for (std::size_t i = 0; i < graphs.size(); ++i) {
        const bool empty = graphs[i] == '[' && i + 1 < graphs.size() && graphs[i + 1] == ']';
        if (!empty) {
            depth += graphs[i] == '[' ? 1 : graphs[i] == ']' ? -1 : 0;
            written += graphs[i];
            continue;
        }
        if (depth % 2 == 0) {
            removals.push_back({written.size() + 1, Rule::Erasure});
            written += "[A]";
        } else {
            removals.push_back({written.size(), Rule::Erasure});
            removals.push_back({written.size() + 2, Rule::Deiteration});
            written += "A[A]";
        }
        ++i;
    }
    const std::size_t at = positionOf(area);
    insertAt(at, written);
    carveEmptyCuts(at + 1, removals);
}

void ProofBoard::carveEmptyCuts(std::size_t start, std::vector<LetterRemoval> letters) {
    // From the last letter back, so that the offsets of those before still hold.
    std::sort(letters.begin(), letters.end(), std::greater<>());
    for (const auto& [offset, rule] : letters) {
        apply({rule, elementAt(start + offset), {}, {}, {}, {}});
    }
}

} // namespace osmira
