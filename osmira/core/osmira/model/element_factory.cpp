#include "osmira/model/element_factory.h"

namespace osmira {

namespace {

template <class Graphic, class Element>
CElemento* create(COsmiraDoc& diagram, const ElementAppearance& appearance, const Rect& rect, int parity,
                  int depth) {
    auto graphic = std::make_unique<Graphic>(rect, appearance);
    return &diagram.appendElement(std::make_unique<Element>(std::move(graphic), parity, depth));
}

} // namespace

CElemento* CreateElement(COsmiraDoc& diagram, const AppearanceSet& appearances, const Rect& rect, int parity,
                         int depth, char kind) {
    switch (kind) {
    case kSheetKind:
        return create<CHojaGrafico, CElemHoja>(diagram, appearances.sheet, rect, parity, depth);
    case kCutKind:
        return create<CCorteGrafico, CElemCorte>(diagram, appearances.cut, rect, parity, depth);
    case kLetterKind:
        return create<CLetraGrafico, CElemLetra>(diagram, appearances.letter, rect, parity, depth);
    default:
        return nullptr;
    }
}

} // namespace osmira
