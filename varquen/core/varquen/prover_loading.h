#pragma once

#include "varquen/validity.h"

#include <chrono>

namespace varquen {

// Loads the prover module the first time it is asked for (later calls find it loaded) and puts the
// question to it; a module that cannot be loaded gives an unknown verdict with the reason.
ValidityAnswer askProver(const FirstOrderProblem& problem,
                         std::chrono::milliseconds timeLimit = suite::kDefaultProverTimeLimit);

} // namespace varquen
