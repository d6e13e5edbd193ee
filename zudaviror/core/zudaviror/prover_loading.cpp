#include "zudaviror/validity_prover.h"

#include "suite/module_loading.h"

namespace zudaviror {

std::filesystem::path validityProverFile() {
    return (suite::runningProgramFolder() / ZUDAVIROR_PROVER_FROM_BIN / ZUDAVIROR_PROVER_FILE)
        .lexically_normal();
}

ProverLoad loadValidityProver() {
    static const ProverLoad load = [] {
        const suite::ModuleEntry entry = suite::loadModuleEntry(validityProverFile(), kProverEntry);
        if (entry.symbol == nullptr) {
            return ProverLoad{nullptr, entry.reason};
        }
        return ProverLoad{suite::moduleFunction<ProverEntry>(entry)(), {}};
    }();
    return load;
}

} // namespace zudaviror
