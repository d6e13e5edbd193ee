#include "suite/file_lock.h"

#include "suite/file_identity.h"
#include "suite/latin1.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace suite {

namespace {

using Clock = std::chrono::steady_clock;

// A holder is asked again soon, then less often: most hold a file for a few milliseconds.
constexpr std::chrono::milliseconds kFirstPause{1};
constexpr std::chrono::milliseconds kLongestPause{20};

// The regular file the path names, open for its lock, or -1. Opened as its reader opens it, so
// that a FIFO is never waited on and a device never becomes the terminal.
int openRegularFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    struct stat status {};
    if (fd >= 0 && (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Whether the path still names the file open on the descriptor, and not one a save renamed
// over it since it was opened.
bool stillNamed(const std::string& path, int fd) {
    const std::optional<FileIdentity> named = fileIdentity(path);
    const std::optional<FileIdentity> held = fileIdentity(fd);
    return named && held && named->sameFile(*held);
}

} // namespace

FileLock::FileLock(FileLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), busy_(std::exchange(other.busy_, false)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = std::exchange(other.fd_, -1);
        busy_ = std::exchange(other.busy_, false);
    }
    return *this;
}

FileLock::~FileLock() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::string FileLock::reason() const {
    if (!busy_) {
        return {};
    }
    return latin1FromUtf8("otro programa está cambiando el fichero; vuelva a intentarlo cuando termine");
}

FileLock lockFile(const std::string& path, std::chrono::milliseconds patience) {
    const Clock::time_point deadline = Clock::now() + patience;
    std::chrono::milliseconds pause = kFirstPause;
    for (;;) {
        const int fd = openRegularFile(path);
        if (fd < 0) {
            return {};
        }
        const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        const int error = errno;
        if (locked && stillNamed(path, fd)) {
            return {fd, false};
        }
        ::close(fd);
        if (!locked && error != EWOULDBLOCK && error != EINTR) {
            return {};
        }
        const Clock::time_point now = Clock::now();
        if (now >= deadline) {
            return {-1, true};
        }
        // A file replaced while this waited is taken again at once: its saver has let it go.
        if (!locked) {
            std::this_thread::sleep_for(std::min<Clock::duration>(pause, deadline - now));
            pause = std::min(pause * 2, kLongestPause);
        }
    }
}

} // namespace suite
