#pragma once

#include <ostream>
#include <string_view>

// The exit statuses of the suite's three command-line tools, one table for the three; their
// manual pages and --help give the same list.
namespace suite {

enum class ExitStatus {
    Done = 0,         // done, or valid
    Refused = 1,      // refused, or not valid
    BadInput = 2,     // the arguments or the file given
    Unknown = 3,      // nothing decided: a time limit, a search too large
    OutputFailed = 4, // what was written did not reach its file or standard output
    OutOfMemory = 5,
};

constexpr int exitCode(ExitStatus status) {
    return static_cast<int>(status);
}

// What every tool's main() ends with: the stream buffer may have handed standard output bytes
// that stdio still fails to write (a full disk, a closed pipe). Then `message` goes to err and
// the status is OutputFailed, unless status says so already; else status.
int flushedStatus(int status, std::ostream& err, std::string_view message);

} // namespace suite
