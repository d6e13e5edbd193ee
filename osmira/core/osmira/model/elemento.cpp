#include "osmira/model/elemento.h"

#include <algorithm>

namespace osmira {

CElemento::CElemento(std::unique_ptr<CElemGrafico> graphic, int parity, int depth)
    : depth_(depth), parity_(parity), graphic_(std::move(graphic)) {}

bool CElemento::hasChild(const CElemento* element) const {
    return std::find(children_.begin(), children_.end(), element) != children_.end();
}

void CElemLetra::SetLetter(char letter) {
    letter_ = letter;
    if (graphic_) {
        graphic_->SetLetter(letter);
    }
}

} // namespace osmira
