#include "osmira/transformation_rules.h"

#include "osmira/bracket_form.h"
#include "osmira/element_list.h"
#include "osmira/formula_entry.h"
#include "osmira/formula_syntax.h"
#include "osmira/messages.h"

#include <algorithm>
#include <string>

namespace osmira {

std::optional<TextPosition> Locate(const COsmiraDoc& diagram, std::string_view bracket,
                                   const CElemento& element) {
    long index = -1;
    bool found = false;
    for (const auto& candidate : diagram.GetElements()) {
        if (candidate.get() == &element) {
            ++index;
            found = true;
            break;
        }
        if (candidate->Kind() != ElementKind::Sheet) {
            ++index;
        }
    }
    if (!found) {
        return std::nullopt;
    }
    std::size_t p = 0;
    for (; index >= 0; ++p) {
        if (p >= bracket.size()) {
            return std::nullopt;
        }
        if (bracket[p] != ']') {
            --index;
        }
    }
    return TextPosition{p - 1, p};
}

namespace {

// A copy may only be placed where its original holds: in the original's own area or in one
// enclosed by it, but never inside the original itself. Depth alone would let [A[B]][C[D]]
// become [A[B]][C[BD]], and C[[C]] become C[[C[C]]].
bool copyStaysWithinOriginalsArea(const COsmiraDoc& diagram, const CElemento& graph, const CElemento& place) {
    const CElemento* receivingArea = place.Kind() == ElementKind::Cut ? &place : parentOf(diagram, place);
    return areaContains(diagram, parentOf(diagram, graph), receivingArea) &&
           !areaContains(diagram, &graph, receivingArea);
}

const CElemento* elementAtTextPosition(const COsmiraDoc& diagram, std::size_t nonSheetIndex) {
    const auto& elements = diagram.GetElements();
    return nonSheetIndex + 1 < elements.size() ? elements[nonSheetIndex + 1].get() : nullptr;
}

// The copy may go when the same text (byte for byte, so juxtaposition order counts) stands in
// an area that strictly encloses the copy's area; a sibling is not enough, and a match
// elsewhere at the same depth would let [A][A] become [A][].
bool hasEnclosingOriginal(const COsmiraDoc& diagram, std::string_view text, const CElemento& copy,
                          std::size_t at, std::size_t length) {
    std::string_view graph = text.substr(at, length);
    const CElemento* copyArea = nullptr; // looked for once a match could enclose it
    std::size_t closesBefore = 0;
    for (std::size_t q = 0; q < text.size();) {
        if (q == at) {
            for (std::size_t k = q; k < q + length; ++k) {
                closesBefore += text[k] == ']';
            }
            q += length;
            continue;
        }
        if (text.substr(q, length) == graph) {
            // An original in a strictly enclosing area lies inside fewer cuts: the depth rules out
            // most matches before any area is looked for.
            const CElemento* original = elementAtTextPosition(diagram, q - closesBefore);
            if (original && original->GetDepth() < copy.GetDepth()) {
                copyArea = copyArea != nullptr ? copyArea : parentOf(diagram, copy);
                if (areaContains(diagram, parentOf(diagram, *original), copyArea)) {
                    return true;
                }
            }
        }
        closesBefore += text[q] == ']';
        ++q;
    }
    return false;
}

} // namespace

bool erasureAllowed(const CElemento& graph) {
    switch (graph.Kind()) {
    case ElementKind::Sheet:
        return false;
    case ElementKind::Cut:
        return graph.GetParity() == kOddParity;
    default:
        return graph.GetParity() == kEvenParity;
    }
}

bool insertionAllowed(const CElemento& area) {
    return area.GetParity() == kOddParity;
}

bool iterationAllowed(const COsmiraDoc& diagram, const CElemento& graph, const CElemento& place) {
    int receivingDepth = place.GetDepth() + (place.Kind() == ElementKind::Cut ? 1 : 0);
    return graph.Kind() != ElementKind::Sheet && receivingDepth >= graph.GetDepth() && &place != &graph &&
           !place.hasChild(&graph) && copyStaysWithinOriginalsArea(diagram, graph, place);
}

bool deiterationAllowed(const COsmiraDoc& diagram, std::string_view bracket, const CElemento& copy) {
    if (copy.Kind() == ElementKind::Sheet) {
        return false;
    }
    auto position = Locate(diagram, bracket, copy);
    return position &&
           hasEnclosingOriginal(diagram, bracket, copy, position->at, Span(bracket, position->at));
}

bool asksDoubleCutPosition(const CElemento& element) {
    const auto& children = element.GetChildren();
    return element.Kind() == ElementKind::Cut &&
           !(children.size() == 1 && children.front()->Kind() == ElementKind::Cut);
}

namespace {

class RuleApplication {
  public:
    RuleApplication(CEjercicio& exercise, COsmiraDoc& diagram, std::string& working)
        : exercise_(exercise), diagram_(diagram), working_(working), before_(working),
          workbench_(exercise.workbench()) {}

    RuleOutcome erase(CElemento& graph) {
        if (graph.Kind() == ElementKind::Sheet) {
            return Refuse(messages::kErasureOnSheet);
        }
        if (!erasureAllowed(graph)) {
            return Refuse(messages::kErasureParity);
        }
        auto position = Locate(diagram_, working_, graph);
        if (!position) {
            return RuleOutcome::NotApplied;
        }
        working_.erase(position->at, Span(working_, position->at));
        return Commit(Rule::Erasure, graph);
    }

    RuleOutcome insert(CElemento& area) {
        if (!insertionAllowed(area)) {
            return Refuse(messages::kInsertionParity);
        }
        std::optional<std::string> answer = workbench_.askFormulaToInsert();
        if (!answer) {
            return RuleOutcome::Cancelled;
        }
        std::string formula = removeBlanks(*answer);
        // The dialog only lets checked formulas through; anything else counts as closed.
        if (!checkFormulaEntry(formula)) {
            return RuleOutcome::Cancelled;
        }
        auto position = Locate(diagram_, working_, area);
        if (!position) {
            return RuleOutcome::NotApplied;
        }
        std::string graph = exercise_.ConvertFormula(formula);
        if (tooLargeWith(graph.size())) {
            return Refuse(messages::kDiagramTooLarge);
        }
        working_.insert(position->after, graph);
        return Commit(Rule::Insertion, area);
    }

    RuleOutcome iterate(CElemento& graph, CElemento& place) {
        if (!iterationAllowed(diagram_, graph, place)) {
            return Refuse(messages::kIteration);
        }
        auto source = Locate(diagram_, working_, graph);
        auto target = Locate(diagram_, working_, place);
        if (!source || !target) {
            return RuleOutcome::NotApplied;
        }
        std::string copy = working_.substr(source->at, Span(working_, source->at));
        if (tooLargeWith(copy.size())) {
            return Refuse(messages::kDiagramTooLarge);
        }
        working_.insert(target->after, copy);
        return Commit(Rule::Iteration, graph);
    }

    RuleOutcome deiterate(CElemento& copy) {
        if (copy.Kind() == ElementKind::Sheet) {
            return Refuse(messages::kDeiterationOnSheet);
        }
        auto position = Locate(diagram_, working_, copy);
        if (!position) {
            return RuleOutcome::NotApplied;
        }
        std::size_t length = Span(working_, position->at);
        if (!hasEnclosingOriginal(diagram_, working_, copy, position->at, length)) {
            return Refuse(messages::kDeiteration);
        }
        working_.erase(position->at, length);
        return Commit(Rule::Deiteration, copy);
    }

    RuleOutcome DoubleCut(CElemento& element) {
        // Only removing a double cut shrinks the form; every other answer adds four brackets.
        bool removes = element.Kind() == ElementKind::Cut && !asksDoubleCutPosition(element);
        if (!removes && tooLargeWith(4)) {
            return Refuse(messages::kDiagramTooLarge);
        }
        if (element.Kind() == ElementKind::Sheet) {
            working_.insert(0, "[[]]");
            return Commit(Rule::DoubleCut, element);
        }
        auto position = Locate(diagram_, working_, element);
        if (!position) {
            return RuleOutcome::NotApplied;
        }
        std::size_t at = position->at;
        std::size_t length = Span(working_, at);
        if (element.Kind() == ElementKind::Letter) {
            enclose(at, length);
        } else if (!asksDoubleCutPosition(element)) {
            working_ =
                working_.substr(0, at) + working_.substr(at + 2, length - 4) + working_.substr(at + length);
        } else if (workbench_.askDoubleCutPosition() == DoubleCutPosition::Around) {
            enclose(at, length);
        } else {
            working_.insert(at + 1, "[[]]");
        }
        return Commit(Rule::DoubleCut, element);
    }

  private:
    // A diagram longer than an exercise holds could be neither saved nor read back.
    bool tooLargeWith(std::size_t added) const { return working_.size() + added > kLongestBracketForm; }

    void enclose(std::size_t at, std::size_t length) {
        working_.insert(at + length, "]]");
        working_.insert(at, "[[");
    }

    RuleOutcome Commit(Rule rule, CElemento& marked) {
        // A step the exercise cannot hold could be saved but never read back.
        const auto elements =
            static_cast<std::size_t>(1 + working_.size() - std::count(working_.begin(), working_.end(), ']'));
        if (!exercise_.canHoldAnotherStep(elements)) {
            working_ = before_;
            return Refuse(messages::kExerciseFull);
        }
        marked.GetGraphic()->Mark();
        workbench_.repaintView(diagram_);
        diagram_.SetAppliedRule(rule);
        COsmiraDoc& next = exercise_.AppendStep();
        exercise_.BuildDiagram(next);
        workbench_.repaintView(next);
        workbench_.addNavigatorStep(next, rule);
        if (rule == Rule::Erasure) {
            next.SetBracketCopy(working_);
        }
        return RuleOutcome::Committed;
    }

    RuleOutcome Refuse(const std::string& message) {
        workbench_.showRefusal(message);
        diagram_.SetPendingRule(Rule::None);
        return RuleOutcome::Refused;
    }

    CEjercicio& exercise_;
    COsmiraDoc& diagram_;
    std::string& working_;
    const std::string before_; // W as it was, restored when the new step cannot be held
    WorkbenchOperations& workbench_;
};

bool belongsTo(const COsmiraDoc& diagram, const CElemento* element) {
    return element && diagram.indexOf(element) >= 0;
}

} // namespace

RuleOutcome CEjercicio::ApplyRule() {
    COsmiraDoc* diagram = lastStep();
    if (!diagram || diagram->GetAppliedRule() != Rule::None ||
        !belongsTo(*diagram, diagram->GetSelectedElement())) {
        return RuleOutcome::NotApplied;
    }
    CElemento& selected = *diagram->GetSelectedElement();
    RuleApplication rule(*this, *diagram, working_);
    switch (diagram->GetPendingRule()) {
    case Rule::Erasure:
        return rule.erase(selected);
    case Rule::Insertion:
        return rule.insert(selected);
    case Rule::Iteration:
        if (!belongsTo(*diagram, diagram->GetIterationSource())) {
            return RuleOutcome::NotApplied;
        }
        return rule.iterate(*diagram->GetIterationSource(), selected);
    case Rule::Deiteration:
        return rule.deiterate(selected);
    case Rule::DoubleCut:
        return rule.DoubleCut(selected);
    default:
        return RuleOutcome::NotApplied;
    }
}

} // namespace osmira
