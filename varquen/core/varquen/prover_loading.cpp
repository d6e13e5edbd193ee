#include "varquen/prover_loading.h"

#include "suite/module_loading.h"

namespace varquen {

ProverLoad loadProver() {
    static const ProverLoad load = [] {
        const suite::ModuleEntry entry = suite::loadModuleEntryBesideProgram(
            VARQUEN_PROVER_FROM_BIN, VARQUEN_PROVER_FILE, kProverEntryName);
        if (entry.symbol == nullptr) {
            return ProverLoad{nullptr, entry.reason};
        }
        return ProverLoad{suite::moduleFunction<Prover* (*)()>(entry)(), {}};
    }();
    return load;
}

} // namespace varquen
