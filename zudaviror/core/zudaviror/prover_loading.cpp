#include "zudaviror/validity_prover.h"

#include "suite/module_loading.h"

namespace zudaviror {

ProverLoad loadValidityProver() {
    static const ProverLoad load = [] {
        const suite::ModuleEntry entry = suite::loadModuleEntryBesideProgram(
            ZUDAVIROR_PROVER_FROM_BIN, ZUDAVIROR_PROVER_FILE, kProverEntry);
        if (entry.symbol == nullptr) {
            return ProverLoad{nullptr, entry.reason};
        }
        return ProverLoad{suite::moduleFunction<ProverEntry>(entry)(), {}};
    }();
    return load;
}

} // namespace zudaviror
