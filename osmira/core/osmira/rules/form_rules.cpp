#include "osmira/rules/form_rules.h"

#include "osmira/bracket/bracket_form.h"
#include "osmira/texts/messages.h"

#include <algorithm>

namespace osmira {

namespace {

constexpr std::size_t kSheet = std::string_view::npos;

// Where an element stands: its text position (kSheet for the sheet), the cuts around it, and
// the cut whose area holds it (kSheet when that is the sheet).
struct Place {
    std::size_t at = kSheet;
    std::size_t depth = 0;
    std::size_t area = kSheet;
};

std::optional<Place> placeOf(std::string_view form, std::size_t element) {
    if (element == 0) {
        return Place{};
    }
    std::vector<std::size_t> open;
    std::size_t seen = 0;
    for (std::size_t p = 0; p < form.size(); ++p) {
        if (form[p] == ']') {
            open.pop_back();
            continue;
        }
        if (++seen == element) {
            return Place{p, open.size(), open.empty() ? kSheet : open.back()};
        }
        if (form[p] == '[') {
            open.push_back(p);
        }
    }
    return std::nullopt;
}

bool isCut(std::string_view form, const Place& place) {
    return place.at != kSheet && form[place.at] == '[';
}

// The area an element's place designates: a cut's interior, or the area around a letter.
std::size_t receivingArea(std::string_view form, const Place& place) {
    return isCut(form, place) ? place.at : place.area;
}

// Whether area `inner` (a cut's '[' or kSheet) lies in area `outer`, or is it.
bool areaWithin(std::string_view form, std::size_t inner, std::size_t outer) {
    if (outer == kSheet) {
        return true;
    }
    return inner != kSheet && inner >= outer && inner < outer + Span(form, outer);
}

// The area around a letter or a cut is even when an even number of cuts encloses it; the
// sheet's area is even. R1 takes graphs of even areas, R2 gives graphs to odd ones.
bool erasable(const Place& place) {
    return place.depth % 2 == 0;
}

bool receivesInsertion(std::string_view form, const Place& place) {
    return place.at != kSheet && (place.depth + (isCut(form, place) ? 1 : 0)) % 2 == 1;
}

// A copy may only be placed where its original holds: in the original's own area or in one
// enclosed by it, never inside the original itself, and not at the start of the cut that holds
// it. Depth alone would let [A[B]][C[D]] become [A[B]][C[BD]], and C[[C]] become C[[C[C]]].
bool copyPlaceAllowed(std::string_view form, const Place& graph, const Place& place) {
    if (graph.at == kSheet || place.at == kSheet || place.at == graph.at ||
        (isCut(form, place) && graph.area == place.at)) {
        return false;
    }
    const std::size_t receiving = receivingArea(form, place);
    return areaWithin(form, receiving, graph.area) &&
           !(isCut(form, graph) && areaWithin(form, receiving, graph.at));
}

// The same text (byte for byte, so juxtaposition order counts) stands in an area that strictly
// encloses the copy's; a sibling is not enough, and a match elsewhere at the same depth would
// let [A][A] become [A][]. Two equal graphs never overlap: each is one letter or one cut.
bool hasEnclosingOriginal(std::string_view form, const Place& copy) {
    const std::string_view text = form.substr(copy.at, Span(form, copy.at));
    std::vector<std::size_t> open;
    for (std::size_t q = 0; q < form.size(); ++q) {
        if (form[q] == ']') {
            open.pop_back();
            continue;
        }
        if (q != copy.at && open.size() < copy.depth && form.substr(q, text.size()) == text &&
            areaWithin(form, copy.area, open.empty() ? kSheet : open.back())) {
            return true;
        }
        if (form[q] == '[') {
            open.push_back(q);
        }
    }
    return false;
}

bool isDoubleCut(std::string_view form, const Place& place) {
    if (!isCut(form, place)) {
        return false;
    }
    const std::size_t length = Span(form, place.at);
    return length >= 4 && form[place.at + 1] == '[' && Span(form, place.at + 1) == length - 2;
}

bool tooLargeWith(std::string_view form, std::size_t added) {
    return form.size() + added > kLongestBracketForm;
}

// The refusal of a rule whose element and source are in the form.
std::string refusalAt(std::string_view form, const FormRule& rule, const Place& element,
                      const std::optional<Place>& source) {
    switch (rule.rule) {
    case Rule::Erasure:
        if (element.at == kSheet) {
            return messages::kErasureOnSheet;
        }
        return erasable(element) ? std::string() : messages::kErasureParity;
    case Rule::Insertion:
        return receivesInsertion(form, element) ? std::string() : messages::kInsertionParity;
    case Rule::Iteration:
        if (!copyPlaceAllowed(form, *source, element)) {
            return messages::kIteration;
        }
        return tooLargeWith(form, Span(form, source->at)) ? messages::kDiagramTooLarge : std::string();
    case Rule::Deiteration:
        if (element.at == kSheet) {
            return messages::kDeiterationOnSheet;
        }
        return hasEnclosingOriginal(form, element) ? std::string() : messages::kDeiteration;
    case Rule::DoubleCut:
        // Only removing a double cut shrinks the form; every other answer adds four brackets.
        return !isDoubleCut(form, element) && tooLargeWith(form, 4) ? messages::kDiagramTooLarge
                                                                    : std::string();
    default:
        return {};
    }
}

std::string enclosed(std::string_view form, std::size_t at, std::size_t length) {
    std::string result(form.substr(0, at));
    result += "[[";
    result += form.substr(at, length);
    result += "]]";
    result += form.substr(at + length);
    return result;
}

std::string inserted(std::string_view form, std::size_t at, std::string_view graph) {
    std::string result(form);
    result.insert(at, graph);
    return result;
}

std::string removed(std::string_view form, std::size_t at, std::size_t length) {
    std::string result(form);
    result.erase(at, length);
    return result;
}

std::string edited(std::string_view form, const FormRule& rule, const Place& element,
                   const std::optional<Place>& source) {
    const std::size_t at = element.at;
    switch (rule.rule) {
    case Rule::Erasure:
    case Rule::Deiteration:
        return removed(form, at, Span(form, at));
    case Rule::Insertion:
        return inserted(form, at + 1, rule.graph);
    case Rule::Iteration:
        return inserted(form, at + 1, form.substr(source->at, Span(form, source->at)));
    default:
        break;
    }
    if (at == kSheet) {
        return "[[]]" + std::string(form);
    }
    const std::size_t length = Span(form, at);
    if (!isCut(form, element) ||
        (!isDoubleCut(form, element) && rule.position == DoubleCutPosition::Around)) {
        return enclosed(form, at, length);
    }
    if (isDoubleCut(form, element)) {
        return removed(removed(form, at + length - 2, 2), at, 2);
    }
    return inserted(form, at + 1, "[[]]");
}

} // namespace

std::size_t elementCount(std::string_view form) {
    return 1 + form.size() - static_cast<std::size_t>(std::count(form.begin(), form.end(), ']'));
}

std::size_t elementAt(std::string_view form, std::size_t position) {
    return 1 + position -
           static_cast<std::size_t>(
               std::count(form.begin(), form.begin() + static_cast<long>(position), ']'));
}

std::optional<std::size_t> elementPosition(std::string_view form, std::size_t element) {
    const std::optional<Place> place = placeOf(form, element);
    if (!place || place->at == kSheet) {
        return std::nullopt;
    }
    return place->at;
}

bool asksDoubleCutPosition(std::string_view form, std::size_t element) {
    const std::optional<Place> place = placeOf(form, element);
    return place && isCut(form, *place) && !isDoubleCut(form, *place);
}

std::string formRuleRefusal(std::string_view form, const FormRule& rule) {
    const std::optional<Place> element = placeOf(form, rule.element);
    std::optional<Place> source;
    if (rule.rule == Rule::Iteration) {
        source = placeOf(form, rule.source.value_or(elementCount(form)));
    }
    if (!element || (rule.rule == Rule::Iteration && !source)) {
        return {};
    }
    return refusalAt(form, rule, *element, source);
}

FormRuleResult applyFormRule(std::string_view form, const FormRule& rule) {
    const std::optional<Place> element = placeOf(form, rule.element);
    std::optional<Place> source;
    if (rule.rule == Rule::Iteration) {
        source = placeOf(form, rule.source.value_or(elementCount(form)));
    }
    if (!element || (rule.rule == Rule::Iteration && !source) || rule.rule == Rule::None) {
        return {FormOutcome::NoSuchElement, {}, {}};
    }
    std::string refusal = refusalAt(form, rule, *element, source);
    if (refusal.empty() && rule.rule == Rule::Insertion && tooLargeWith(form, rule.graph.size())) {
        refusal = messages::kDiagramTooLarge;
    }
    if (!refusal.empty()) {
        return {FormOutcome::Refused, {}, std::move(refusal)};
    }
    return {FormOutcome::Applied, edited(form, rule, *element, source), {}};
}

} // namespace osmira
