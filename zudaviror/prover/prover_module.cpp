// The module's entry: the core finds it by name when the student first asks "¿Es válida?".
#include "z3_validity_prover.h"

extern "C" __attribute__((visibility("default"))) zudaviror::ValidityProver* zudavirorProver() {
    static zudaviror::prover::Z3ValidityProver prover;
    return &prover;
}
