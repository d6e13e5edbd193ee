#include "keyboard_selection.h"

#include "osmira/model/element_list.h"

#include <algorithm>

namespace osmira::workbench {

std::optional<SelectionMove> selectionMoveFor(int key, Qt::KeyboardModifiers modifiers) {
    if ((modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0) {
        return std::nullopt;
    }
    switch (key) {
    case Qt::Key_Tab:
        return (modifiers & Qt::ShiftModifier) != 0 ? SelectionMove::Previous : SelectionMove::Next;
    case Qt::Key_Backtab:
        return SelectionMove::Previous;
    case Qt::Key_Home:
        return SelectionMove::Sheet;
    case Qt::Key_Up:
        return SelectionMove::Enclosing;
    case Qt::Key_Down:
        return SelectionMove::Inside;
    case Qt::Key_Left:
        return SelectionMove::PreviousInArea;
    case Qt::Key_Right:
        return SelectionMove::NextInArea;
    default:
        return std::nullopt;
    }
}

namespace {

// The list's own pointer to an element of the step, as the selection holds it.
CElemento* owned(const COsmiraDoc& step, const CElemento* element) {
    return element != nullptr ? step.GetElements()[step.indexOf(element)].get() : nullptr;
}

CElemento* neighbourInArea(const COsmiraDoc& step, const CElemento& current, int direction) {
    const CElemento* area = parentOf(step, current);
    if (area == nullptr) {
        return nullptr;
    }
    const auto& graphs = area->GetChildren();
    const auto at = std::find(graphs.begin(), graphs.end(), &current) - graphs.begin();
    const auto next = at + direction;
    return next >= 0 && next < static_cast<std::ptrdiff_t>(graphs.size()) ? graphs[next] : nullptr;
}

CElemento* movedFrom(const COsmiraDoc& step, const CElemento& current, SelectionMove move) {
    const auto& elements = step.GetElements();
    const auto count = static_cast<int>(elements.size());
    const int at = step.indexOf(&current);
    switch (move) {
    case SelectionMove::Next:
        return elements[(at + 1) % count].get();
    case SelectionMove::Previous:
        return elements[(at + count - 1) % count].get();
    case SelectionMove::Sheet:
        return elements.front().get();
    case SelectionMove::Enclosing:
        return owned(step, parentOf(step, current));
    case SelectionMove::Inside:
        return current.GetChildren().empty() ? nullptr : current.GetChildren().front();
    case SelectionMove::PreviousInArea:
        return neighbourInArea(step, current, -1);
    case SelectionMove::NextInArea:
        return neighbourInArea(step, current, 1);
    }
    return nullptr;
}

} // namespace

CElemento* movedSelection(const COsmiraDoc& step, const CElemento* current, SelectionMove move) {
    const auto& elements = step.GetElements();
    if (elements.empty()) {
        return nullptr;
    }
    if (current == nullptr || step.indexOf(current) < 0) {
        if (move == SelectionMove::Next) {
            return elements[std::min<std::size_t>(1, elements.size() - 1)].get();
        }
        return move == SelectionMove::Previous ? elements.back().get() : elements.front().get();
    }
    CElemento* moved = movedFrom(step, *current, move);
    return moved != nullptr ? moved : owned(step, current);
}

} // namespace osmira::workbench
