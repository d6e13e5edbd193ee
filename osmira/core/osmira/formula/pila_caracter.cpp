#include "osmira/formula/pila_caracter.h"

namespace osmira {

PilaCaracter::PilaCaracter(int capacity)
    : storage_(capacity > 0 ? capacity : 0), capacity_(capacity > 0 ? capacity : 0) {}

bool PilaCaracter::Push(char byte) {
    if (IsFull()) {
        return false;
    }
    storage_[++top_] = byte;
    return true;
}

bool PilaCaracter::Pop(char& out) {
    if (IsEmpty()) {
        return false;
    }
    out = storage_[top_--];
    return true;
}

char PilaCaracter::Top() const {
    return IsEmpty() ? '\0' : storage_[top_];
}

} // namespace osmira
