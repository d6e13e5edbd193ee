#include "osmira/model/element_list.h"

#include <vector>

namespace osmira {

namespace {

int expectedParity(ElementKind kind, int depth) {
    bool evenArea = depth % 2 == 0;
    if (kind == ElementKind::Cut) {
        return evenArea ? kOddParity : kEvenParity;
    }
    return evenArea ? kEvenParity : kOddParity;
}

} // namespace

std::string bracketFormOf(const COsmiraDoc& diagram) {
    std::string bracket;
    int openCuts = 0;
    const auto& elements = diagram.GetElements();
    for (size_t i = 1; i < elements.size(); ++i) {
        const CElemento& element = *elements[i];
        for (; openCuts > element.GetDepth(); --openCuts) {
            bracket += ']';
        }
        if (element.kind() == ElementKind::Cut) {
            bracket += '[';
            ++openCuts;
        } else {
            bracket += element.GetLetter();
        }
    }
    bracket.append(static_cast<size_t>(openCuts), ']');
    return bracket;
}

bool hasDiagramStructure(const COsmiraDoc& diagram) {
    const auto& elements = diagram.GetElements();
    if (elements.empty() || elements[0]->kind() != ElementKind::Sheet || elements[0]->GetDepth() != 0 ||
        elements[0]->GetParity() != kEvenParity) {
        return false;
    }
    int openCuts = 0;
    for (size_t i = 1; i < elements.size(); ++i) {
        const CElemento& element = *elements[i];
        int depth = element.GetDepth();
        if (element.kind() == ElementKind::Sheet || depth < 0 || depth > openCuts ||
            element.GetParity() != expectedParity(element.kind(), depth)) {
            return false;
        }
        if (element.kind() == ElementKind::Letter &&
            (element.GetLetter() < 'A' || element.GetLetter() > 'Z')) {
            return false;
        }
        openCuts = element.kind() == ElementKind::Cut ? depth + 1 : depth;
    }
    return true;
}

void rebuildChildren(COsmiraDoc& diagram) {
    const auto& elements = diagram.GetElements();
    for (const auto& element : elements) {
        element->clearChildren();
    }
    if (elements.empty()) {
        return;
    }
    std::vector<CElemento*> areas{elements[0].get()};
    for (size_t i = 1; i < elements.size(); ++i) {
        CElemento* element = elements[i].get();
        size_t depth = static_cast<size_t>(element->GetDepth());
        while (areas.size() > depth + 1) {
            areas.pop_back();
        }
        areas.back()->AddChild(element);
        if (element->kind() == ElementKind::Cut) {
            areas.push_back(element);
        }
    }
}

const CElemento* parentOf(const COsmiraDoc& diagram, const CElemento& element) {
    // A container comes before what it holds, and mostly not far: the search walks back from the
    // element, so that a status line on a diagram of 400,000 elements stays within a frame.
    const auto& elements = diagram.GetElements();
    for (int index = diagram.indexOf(&element) - 1; index >= 0; --index) {
        if (elements[index]->hasChild(&element)) {
            return elements[index].get();
        }
    }
    return nullptr;
}

bool areaContains(const COsmiraDoc& diagram, const CElemento* outer, const CElemento* inner) {
    for (const CElemento* area = inner; area; area = parentOf(diagram, *area)) {
        if (area == outer) {
            return true;
        }
    }
    return false;
}

} // namespace osmira
