#pragma once

#include <chrono>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

namespace suite {

// What a TPTP prover run as a process said of a problem's conjecture, read from its SZS status
// line: a proof was found (Theorem), the problem's negation has a model or the search space was
// exhausted without a proof (CounterSatisfiable), or neither.
enum class SzsStatus { Theorem, CounterSatisfiable, NoAnswer };

struct TptpProverAnswer {
    SzsStatus status = SzsStatus::NoAnswer;
    // With NoAnswer, why, as a Spanish clause in UTF-8 ("el demostrador E no está instalado").
    std::string reason;
    bool ran = false; // false when the prover could not be started (reason says why)
};

// The E prover (Debian's eprover, found on PATH) on a problem read from standard input, limited
// to the time given (its own CPU limit, rounded up) and to `memoryMegabytes`.
std::vector<std::string> eproverCommand(std::chrono::milliseconds timeLimit, int memoryMegabytes);

// Runs `command` with `problem` on its standard input until it ends, `deadline` passes or `stop`
// is requested; a process still running then is killed with its process group. Blocks the calling
// thread; never throws. `proverName` names the prover in the reasons ("E").
TptpProverAnswer askTptpProver(const std::vector<std::string>& command, std::string_view proverName,
                               std::string_view problem, std::chrono::steady_clock::time_point deadline,
                               std::stop_token stop);

// The status named on an output's last "SZS status" line.
SzsStatus szsStatusOf(std::string_view output);

} // namespace suite
