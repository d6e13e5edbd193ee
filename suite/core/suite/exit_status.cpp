#include "suite/exit_status.h"

#include <cstdio>

namespace suite {

int flushedStatus(int status, std::ostream& err, std::string_view message) {
    if (status == exitCode(ExitStatus::OutputFailed) ||
        (std::fflush(stdout) == 0 && std::ferror(stdout) == 0)) {
        return status;
    }
    err << message << '\n';
    return exitCode(ExitStatus::OutputFailed);
}

} // namespace suite
