#include "osmira/formula/pila_cadena.h"

#include <utility>

namespace osmira {

bool PilaCadena::Push(const std::string& text) {
    if (IsFull()) {
        return false;
    }
    slots_[size_++] = text;
    return true;
}

bool PilaCadena::Pop(std::string& out) {
    if (IsEmpty()) {
        return false;
    }
    out = std::move(slots_[--size_]);
    slots_[size_].clear();
    return true;
}

} // namespace osmira
