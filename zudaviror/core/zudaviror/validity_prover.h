#pragma once

#include "zudaviror/kripke_model.h"
#include "zudaviror/modal_system.h"
#include "zudaviror/world_formula.h"

#include "suite/validity_verdict.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

// The prover behind "¿Es válida?": it lives in a module of its own, with Z3, loaded the first
// time a student asks, so that the core, the program and its start-up know nothing of Z3.
namespace zudaviror {

struct ValidityAnswer {
    suite::ValidityVerdict verdict;
    std::optional<KripkeModel> countermodel; // with a verdict of not valid
};

class ValidityProver {
  public:
    virtual ~ValidityProver() = default;
    // Whether the formula holds at its free world in every model whose accessibility relation
    // meets the system's conditions, decided within the time limit. Throws nothing.
    virtual ValidityAnswer decide(const WorldFormula& formula, ModalSystem system,
                                  std::chrono::milliseconds timeLimit) = 0;
};

// The module's entry, extern "C": the one prover, made at the first call.
inline constexpr const char* kProverEntry = "zudavirorProver";
using ProverEntry = ValidityProver* (*)();

struct ProverLoad {
    ValidityProver* prover = nullptr; // null when the module is missing
    std::string reason;               // why, in UTF-8
};

// Where the module lies: beside the program, as the build and the installation put it.
std::filesystem::path validityProverFile();

// The module, loaded at the first call; later calls answer the same.
ProverLoad loadValidityProver();

} // namespace zudaviror
