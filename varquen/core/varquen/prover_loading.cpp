#include "varquen/prover_loading.h"

#include "suite/module_loading.h"

namespace varquen {

namespace {

struct ProverLoad {
    Prover* prover = nullptr;
    std::string reason;
};

ProverLoad loadProver() {
    const suite::ModuleEntry entry =
        suite::loadModuleEntryBesideProgram(VARQUEN_PROVER_FROM_BIN, VARQUEN_PROVER_FILE, ProverEntryName);
    if (entry.symbol == nullptr) {
        return {nullptr, entry.reason};
    }
    return {suite::moduleFunction<Prover* (*)()>(entry)(), {}};
}

} // namespace

ValidityAnswer askProver(const FirstOrderProblem& problem, std::chrono::milliseconds timeLimit) {
    static const ProverLoad load = loadProver();
    if (load.prover == nullptr) {
        return {{suite::Validity::Unknown, load.reason}, std::nullopt};
    }
    return load.prover->decide(problem, timeLimit);
}

} // namespace varquen
