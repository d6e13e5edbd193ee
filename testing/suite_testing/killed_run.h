#pragma once

#include <string>

namespace suite::testing {

enum class KilledRun { Killed, Finished, NoStrace };

// Runs a shell command line under strace, killed (SIGKILL) at its n-th call of `syscall`
// ("write", "rename", …): Killed when the kill came, Finished when the command ended before
// making that call, NoStrace when strace is not installed (for the test to skip).
KilledRun runKilledAtCall(const std::string& command, const std::string& syscall, int n);

} // namespace suite::testing
