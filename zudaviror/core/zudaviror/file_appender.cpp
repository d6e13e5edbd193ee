// The log holds whole blocks only, whatever kills the program and whoever else appends. The file
// is opened with O_APPEND and without blocking, anything but an ordinary file is refused, and
// under an exclusive flock each header or record goes out in one write(), looping only on a short
// write (a full disk). A block that fails half-way, or whose close fails, is truncated back to the
// size measured under the lock, so the take-back never cuts another program's block. A session's
// header and its records are separate blocks: a kill between them leaves a header without
// records, which is whole; two sessions on one file take turns block by block, and each record
// carries its own date and time.
#include "zudaviror/log_file_access.h"

#include "suite/file_saving.h"
#include "suite/whole_write.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace zudaviror {

std::string toPlatformLineEnds(std::string_view text) {
#ifdef _WIN32
    std::string converted;
    converted.reserve(text.size());
    for (const char code : text) {
        if (code == '\n') {
            converted += '\r';
        }
        converted += code;
    }
    return converted;
#else
    return std::string(text);
#endif
}

namespace {

struct OpenedLog {
    int file = -1; // -1 when refused
    AppendResult refusal = AppendResult::CannotOpen;
};

// Without blocking: a pipe with no reader fails at once (ENXIO) rather than waiting for one, and
// one with a reader is refused by the check that follows. The flag goes once the file is known.
OpenedLog openOrdinaryFile(const std::string& path) {
    const int file =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666);
    if (file < 0) {
        return {.file = -1,
                .refusal = errno == ENXIO ? AppendResult::NotRegularFile : AppendResult::CannotOpen};
    }
    struct stat status {};
    if (::fstat(file, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(file);
        return {.file = -1, .refusal = AppendResult::NotRegularFile};
    }
    const int flags = ::fcntl(file, F_GETFL);
    if (flags < 0 || ::fcntl(file, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        ::close(file);
        return {};
    }
    return {.file = file};
}

// Two programs appending to one log take turns, so that neither's take-back cuts the other's
// record. A file system without locks still gets each record in one write.
void waitForTurn(int file) {
    while (::flock(file, LOCK_EX) != 0 && errno == EINTR) {
    }
}

bool takeBack(int file, off_t oldSize) {
    return oldSize >= 0 && ::ftruncate(file, oldSize) == 0;
}

// The turn belongs to the open file, not to a descriptor: a duplicate keeps it while the first
// descriptor closes, so that a failed close (a network file system's delayed write) is taken
// back before anyone else appends.
bool closeInTurn(int file, off_t oldSize) {
    const int keeper = ::fcntl(file, F_DUPFD_CLOEXEC, 0);
    const bool closed = ::close(file) == 0;
    if (keeper >= 0) {
        if (!closed) {
            takeBack(keeper, oldSize);
        }
        ::close(keeper);
    }
    return closed;
}

} // namespace

AppendResult FileAppender::append(const std::string& path, std::string_view bytes) {
    // Root could append to any file; the log is refused where the suite's writer refuses a save.
    if (suite::saveTarget(path).refusal.failure == suite::SaveFailure::ReadOnly) {
        return AppendResult::ReadOnly;
    }
    const std::string text = toPlatformLineEnds(bytes);
    const OpenedLog opened = openOrdinaryFile(path);
    if (opened.file < 0) {
        return opened.refusal;
    }
    waitForTurn(opened.file);
    // Measured in turn: a record cut short is taken back to exactly this size.
    struct stat before {};
    const off_t oldSize = ::fstat(opened.file, &before) == 0 ? before.st_size : -1;
    // One write() holds the whole record; on an ordinary file a short one means the disk is full.
    if (!suite::writeWhole(opened.file, text)) {
        takeBack(opened.file, oldSize);
        ::close(opened.file);
        return AppendResult::CannotWrite;
    }
    return closeInTurn(opened.file, oldSize) ? AppendResult::Written : AppendResult::CannotClose;
}

} // namespace zudaviror
