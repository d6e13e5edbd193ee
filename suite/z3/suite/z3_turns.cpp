#include "suite/z3_turns.h"

namespace suite {

namespace {

// How often a question asked to stop interrupts Z3 again.
constexpr std::chrono::milliseconds kInterruptInterval{5};

bool says(std::string_view reason, std::string_view word) {
    return reason.find(word) != std::string_view::npos;
}

} // namespace

ValidityVerdict z3Unknown(std::string_view z3Reason) {
    if (says(z3Reason, "timeout") || says(z3Reason, "canceled") || says(z3Reason, "interrupted")) {
        return {Validity::Unknown, proverStopReason("Z3", ProverStop::TimeLimit)};
    }
    if (says(z3Reason, "memory")) {
        return {Validity::Unknown, proverStopReason("Z3", ProverStop::OutOfMemory)};
    }
    return {Validity::Unknown, proverStopReason("Z3", ProverStop::NoAnswer, z3Reason)};
}

Z3Interrupter::Z3Interrupter(z3::context& context, std::stop_token stop)
    : thread_([&context, stop](std::stop_token ended) {
          while (!ended.stop_requested()) {
              if (stop.stop_requested()) {
                  context.interrupt();
              }
              std::this_thread::sleep_for(kInterruptInterval);
          }
      }) {}

} // namespace suite
