// A TPTP prover run as a process: its status line read, and the process ended when it is not
// needed any more, whatever it does with its input.
#include "suite/tptp_prover.h"

#include "suite/validity_verdict.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

struct Run {
    const char* name;
    std::vector<std::string> command;
    std::string problem;
    suite::SzsStatus status;
    std::string reason;
    bool ran = true;
    // Long enough for a loaded machine, but for the row about the deadline itself.
    std::chrono::milliseconds deadline = 30s;
};

std::ostream& operator<<(std::ostream& out, const Run& run) {
    return out << run.name;
}

class TptpProverRun : public ::testing::TestWithParam<Run> {};

TEST_P(TptpProverRun, AnswersWithItsStatusOrWhyNot) {
    const suite::TptpProverAnswer answer = suite::askTptpProver(GetParam().command, "E", GetParam().problem,
                                                                Clock::now() + GetParam().deadline, {});
    EXPECT_EQ(answer.status, GetParam().status);
    EXPECT_EQ(answer.reason, GetParam().reason);
    EXPECT_EQ(answer.ran, GetParam().ran);
}

// The problem the provers read: megabytes, more than a pipe holds, for a prover that reads none.
const std::string large(4 << 20, '%');

INSTANTIATE_TEST_SUITE_P(Suite, TptpProverRun,
                         ::testing::Values(Run{"ProofFound",
                                               {"sh", "-c", "cat >/dev/null; echo '# SZS status Theorem'"},
                                               large,
                                               suite::SzsStatus::Theorem,
                                               ""},
                                           Run{"Saturated",
                                               {"sh", "-c",
                                                "echo '# SZS status CounterSatisfiable for x'; exit 1"},
                                               large,
                                               suite::SzsStatus::CounterSatisfiable,
                                               ""},
                                           Run{"OutOfTime",
                                               {"sh", "-c", "echo '# SZS status ResourceOut'"},
                                               "",
                                               suite::SzsStatus::NoAnswer,
                                               std::string(suite::kTimeLimitReason)},
                                           Run{"OutOfMemory",
                                               {"sh", "-c", "echo '# SZS status MemoryOut'"},
                                               "",
                                               suite::SzsStatus::NoAnswer,
                                               "el demostrador E se ha quedado sin memoria"},
                                           Run{"NoStatus",
                                               {"sh", "-c", "exit 3"},
                                               "p.",
                                               suite::SzsStatus::NoAnswer,
                                               "el demostrador E no llega a una respuesta"},
                                           Run{"StillRunningAtTheDeadline",
                                               {"sh", "-c", "exec sleep 30"},
                                               large,
                                               suite::SzsStatus::NoAnswer,
                                               std::string(suite::kTimeLimitReason),
                                               true,
                                               300ms},
                                           Run{"NotInstalled",
                                               {"no-such-prover-here"},
                                               "p.",
                                               suite::SzsStatus::NoAnswer,
                                               "el demostrador E no está instalado",
                                               false}));

TEST(TptpProverRun, AStopRequestEndsTheProverSoon) {
    std::stop_source stop;
    std::jthread asker([&] {
        std::this_thread::sleep_for(50ms);
        stop.request_stop();
    });
    const suite::TptpProverAnswer answer =
        suite::askTptpProver({"sh", "-c", "exec sleep 30"}, "E", "", Clock::now() + 60s, stop.get_token());
    EXPECT_EQ(answer.status, suite::SzsStatus::NoAnswer);
    EXPECT_EQ(answer.reason, suite::kCancelledReason);
}

} // namespace
