#include "element_lines.h"

namespace osmira::cli {

namespace {

char kindLetter(ElementKind kind) {
    switch (kind) {
    case ElementKind::Sheet:
        return 'H';
    case ElementKind::Cut:
        return 'C';
    default:
        return 'L';
    }
}

} // namespace

void printElementLines(std::ostream& out, const COsmiraDoc& diagram, const std::string& indent) {
    const auto& elements = diagram.GetElements();
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const CElemento& element = *elements[i];
        const CElemGrafico& graphic = *element.GetGraphic();
        Rect r = graphic.GetRect();
        char letter = element.kind() == ElementKind::Letter ? element.GetLetter() : '-';
        out << indent << i << ' ' << kindLetter(element.kind()) << ' ' << letter
            << " depth=" << element.GetDepth() << " parity=" << element.GetParity() << " rect=" << r.left
            << ',' << r.top << ',' << r.right << ',' << r.bottom << " marked=" << (graphic.isMarked() ? 1 : 0)
            << '\n';
    }
}

} // namespace osmira::cli
