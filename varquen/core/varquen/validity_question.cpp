#include "varquen/validity_question.h"

#include "varquen/prover_loading.h"
#include "varquen/tptp.h"

#include "suite/tptp_prover.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace varquen {

namespace {

using Clock = std::chrono::steady_clock;

// What E may take of the machine's memory.
constexpr int kEMemoryMegabytes = 400;

constexpr const char* kEName = "E";

ValidityAnswer unknown(std::string reason) {
    return {{suite::Validity::Unknown, std::move(reason)}, std::nullopt};
}

// The verdict when neither prover answered: the reason of the one that ran, with what was missing.
ValidityAnswer undecided(const ProverLoad& z3, const ValidityAnswer& z3Answer,
                         const suite::TptpProverAnswer& e) {
    if (z3.prover == nullptr) {
        return unknown(e.ran ? e.reason + " (" + z3.reason + ")" : z3.reason + "; " + e.reason);
    }
    if (!e.ran) {
        return unknown(z3Answer.verdict.reason + " (" + e.reason + ")");
    }
    return unknown(z3Answer.verdict.reason);
}

} // namespace

ValidityAnswer askProver(const FirstOrderProblem& problem, std::chrono::milliseconds timeLimit,
                         std::stop_token stop) {
    const Clock::time_point deadline = Clock::now() + timeLimit;
    const ProverLoad z3 = loadProver();
    std::stop_source stopZ3;
    const std::string typed = tptpOriginal(problem);
    suite::TptpProverAnswer e;
    std::jthread eRun([&](std::stop_token stopE) {
        e = suite::askTptpProver(suite::eproverCommand(timeLimit, kEMemoryMegabytes), kEName, typed, deadline,
                                 stopE);
        if (e.status != suite::SzsStatus::Theorem) {
            // Z3's own timer does not reach every part of its search: past the deadline it is
            // stopped from here.
            std::mutex idle;
            std::unique_lock<std::mutex> lock(idle);
            std::condition_variable_any().wait_until(lock, stopE, deadline, [] { return false; });
        }
        if (!stopE.stop_requested()) {
            stopZ3.request_stop();
        }
    });
    const std::stop_callback cancel(stop, [&] {
        stopZ3.request_stop();
        eRun.request_stop();
    });
    ValidityAnswer z3Answer =
        z3.prover != nullptr ? z3.prover->decide(problem, timeLimit, stopZ3.get_token()) : unknown(z3.reason);
    if (z3Answer.verdict.validity != suite::Validity::Unknown) {
        eRun.request_stop();
        return z3Answer;
    }
    eRun.join();
    if (e.status == suite::SzsStatus::Theorem) {
        return {{suite::Validity::Valid, {}}, std::nullopt};
    }
    if (e.status == suite::SzsStatus::CounterSatisfiable) {
        return {{suite::Validity::NotValid,
                 "E agota la búsqueda sin hallar una demostración; no se ha hallado "
                 "un contramodelo finito a tiempo"},
                std::nullopt};
    }
    if (stop.stop_requested()) {
        return unknown(std::string(suite::kCancelledReason));
    }
    return undecided(z3, z3Answer, e);
}

} // namespace varquen
