#pragma once

#include "varquen/validity.h"

#include <string>

namespace varquen {

struct ProverLoad {
    Prover* prover = nullptr; // null when the module could not be loaded
    std::string reason;       // then why, in UTF-8
};

// Loads Z3's module beside the program the first time it is asked for; later calls find it loaded.
ProverLoad loadProver();

} // namespace varquen
