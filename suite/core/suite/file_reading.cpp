#include "suite/file_reading.h"

#include "suite/latin1.h"
#include "suite/system_reason.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace suite {

namespace {

FileRead refused(ReadFailure failure, int error = 0) {
    return {std::nullopt, failure, error};
}

FileRead openFailure(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return refused(ReadFailure::Missing, error);
    case EACCES:
    case EPERM:
        return refused(ReadFailure::NoPermission, error);
    case ENXIO: // a socket, or a device without its hardware
        return refused(ReadFailure::NotRegularFile, error);
    default:
        return refused(ReadFailure::CannotRead, error);
    }
}

// Up to limit + 1 bytes, enough to tell a file that grew past the limit since it was measured.
FileRead readAll(int fd, std::size_t limit, std::size_t expected) {
    std::string bytes;
    bytes.resize(std::min(expected, limit) + 1);
    std::size_t done = 0;
    for (;;) {
        if (done == bytes.size()) {
            if (done > limit) {
                return refused(ReadFailure::TooLarge);
            }
            bytes.resize(std::min(limit + 1, bytes.size() * 2));
        }
        const ssize_t count = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return refused(ReadFailure::CannotRead, errno);
        }
        if (count == 0) {
            break;
        }
        done += static_cast<std::size_t>(count);
    }
    if (done > limit) {
        return refused(ReadFailure::TooLarge);
    }
    bytes.resize(done);
    return {std::move(bytes)};
}

} // namespace

std::string FileRead::reason() const {
    switch (failure) {
    case ReadFailure::None:
        return {};
    case ReadFailure::Missing:
        return latin1FromUtf8("el fichero no existe");
    case ReadFailure::Folder:
        return folderReason();
    case ReadFailure::NotRegularFile:
        return notRegularFileReason();
    case ReadFailure::NoPermission:
        return latin1FromUtf8("no tiene permiso para leer el fichero");
    case ReadFailure::TooLarge:
        return latin1FromUtf8("el fichero es demasiado grande");
    case ReadFailure::CannotRead:
        break;
    }
    return latin1FromUtf8("no se puede leer el fichero: ") + spanishSystemReason(error);
}

FileRead readRegularFile(const std::string& path, std::size_t limit) {
    // Without O_NONBLOCK, opening a FIFO waits for a writer that may never come.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return openFailure(errno);
    }
    struct stat status {};
    FileRead read;
    if (::fstat(fd, &status) != 0) {
        read = refused(ReadFailure::CannotRead, errno);
    } else if (S_ISDIR(status.st_mode)) {
        read = refused(ReadFailure::Folder);
    } else if (!S_ISREG(status.st_mode)) {
        read = refused(ReadFailure::NotRegularFile);
    } else if (static_cast<std::uintmax_t>(status.st_size) > limit) {
        read = refused(ReadFailure::TooLarge);
    } else {
        read = readAll(fd, limit, static_cast<std::size_t>(status.st_size));
    }
    ::close(fd);
    return read;
}

} // namespace suite
