#include "suite_testing/killed_run.h"

#include <cstdlib>
#include <sys/wait.h>

namespace suite::testing {

KilledRun runKilledAtCall(const std::string& command, const std::string& syscall, int n) {
    if (std::system("strace -V >/dev/null 2>&1") != 0) {
        return KilledRun::NoStrace;
    }
    // strace ends by the signal that ended the command; its shell's notice of it is silenced.
    const std::string traced = "exec 2>/dev/null; exec strace -f -qq -o /dev/null -e trace=" + syscall +
                               " -e inject=" + syscall + ":signal=KILL:when=" + std::to_string(n) + " -- " +
                               command;
    const int status = std::system(traced.c_str());
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL ? KilledRun::Killed : KilledRun::Finished;
}

} // namespace suite::testing
