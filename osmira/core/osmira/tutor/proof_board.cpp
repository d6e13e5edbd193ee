#include "osmira/tutor/proof_board.h"

#include "osmira/bracket/bracket_form.h"
#include "osmira/bracket/graph_formula.h"
#include "osmira/formula/formula_entry.h"

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
    std::optional<std::string> after = formAfter(working_, step);
    if (!after) {
        failed_ = true;
        return;
    }
    working_ = std::move(*after);
    steps_.push_back(std::move(step));
}

void ProofBoard::erase(const GraphPath& graph) {
    apply({Rule::Erasure, elementAt(working_, positionOf(graph)), {}, {}, {}, {}});
}

void ProofBoard::deiterate(const GraphPath& graph) {
    apply({Rule::Deiteration, elementAt(working_, positionOf(graph)), {}, {}, {}, {}});
}

void ProofBoard::iterate(const GraphPath& source, const GraphPath& area) {
    apply({Rule::Iteration,
           elementAt(working_, positionOf(area)),
           elementAt(working_, positionOf(source)),
           {},
           {},
           {}});
}

void ProofBoard::doubleCut(const GraphPath& element) {
    const std::size_t index = element.empty() ? 0 : elementAt(working_, positionOf(element));
    apply({Rule::DoubleCut, index, {}, {}, DoubleCutPosition::Inside, {}});
}

// An empty cut in an odd area is [A] with its letter erased; in an even area it is A[A] with the
// inner letter deiterated and the outer one erased: the text to insert and the letters' offsets
// within it, each with the rule that removes it.
ProofBoard::Lettered ProofBoard::withLetters(std::string_view graphs) {
    Lettered lettered;
    int depth = 0;
    for (std::size_t i = 0; i < graphs.size(); ++i) {
        const bool empty = graphs[i] == '[' && i + 1 < graphs.size() && graphs[i + 1] == ']';
        if (!empty) {
            depth += graphs[i] == '[' ? 1 : graphs[i] == ']' ? -1 : 0;
            lettered.text += graphs[i];
            continue;
        }
        const std::size_t at = lettered.text.size();
        if (depth % 2 == 0) {
            lettered.removals.push_back({at + 1, Rule::Erasure});
            lettered.text += "[A]";
        } else {
            lettered.removals.push_back({at, Rule::Erasure});
            lettered.removals.push_back({at + 2, Rule::Deiteration});
            lettered.text += "A[A]";
        }
        ++i;
    }
    return lettered;
}

namespace {

// The derivation check finds an insertion's graph in the canonical order and writes its own
// formula for it; both must pass the dialog's check, or the step could not be replayed.
bool fitsOneInsertion(const std::string& formula, const std::string& graphs) {
    std::optional<std::string> replayed = formulaFor(canonicalJuxtaposition(graphs));
    return checkFormulaEntry(formula) && replayed && checkFormulaEntry(*replayed);
}

} // namespace

void ProofBoard::insert(const GraphPath& area, std::string_view graphs) {
    if (graphs.empty()) {
        return;
    }
    Lettered lettered = withLetters(graphs);
    std::optional<std::string> formula = formulaFor(lettered.text);
    if (formula && fitsOneInsertion(*formula, lettered.text)) {
        const std::size_t at = positionOf(area);
        apply({Rule::Insertion, elementAt(working_, at), {}, *formula, {}, {}});
        carveEmptyCuts(at + 1, std::move(lettered.removals));
        return;
    }
    // Too deep for the conversion's stacks: graph by graph (the last first, each going to the
    // start of the area), and a deep cut as its skeleton with empty cuts, filled in afterwards:
    // their interiors are odd again.
    const std::vector<std::string_view> parts = graphsOf(graphs);
    if (parts.size() > 1) {
        for (auto part = parts.rbegin(); part != parts.rend(); ++part) {
            insert(area, *part);
        }
        return;
    }
    const std::vector<std::string_view> inside = graphsOf(interior(graphs));
    std::string skeleton = "[";
    for (std::string_view graph : inside) {
        skeleton += graph.front() == '[' ? "[]" : graph;
    }
    skeleton += ']';
    if (failed_ || skeleton == graphs) {
        failed_ = true;
        return;
    }
    insert(area, skeleton);
    GraphPath cut = area;
    cut.push_back(0);
    for (std::size_t index = 0; index < inside.size(); ++index) {
        if (inside[index].size() > 2) {
            cut.push_back(index);
            insert(cut, interior(inside[index]));
            cut.pop_back();
        }
    }
}

void ProofBoard::carveEmptyCuts(std::size_t start, std::vector<LetterRemoval> letters) {
    // From the last letter back, so that the offsets of those before still hold.
    std::sort(letters.begin(), letters.end(), std::greater<>());
    for (const auto& [offset, rule] : letters) {
        apply({rule, elementAt(working_, start + offset), {}, {}, {}, {}});
    }
}

} // namespace osmira
