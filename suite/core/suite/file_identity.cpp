#include "suite/file_identity.h"

#include <sys/stat.h>

namespace suite {

namespace {

FileIdentity identityOf(const struct stat& status) {
    return {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino),
            static_cast<std::int64_t>(status.st_size), static_cast<std::int64_t>(status.st_mtim.tv_sec),
            static_cast<std::int64_t>(status.st_mtim.tv_nsec)};
}

} // namespace

std::optional<FileIdentity> fileIdentity(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return identityOf(status);
}

std::optional<FileIdentity> fileIdentity(int fd) {
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        return std::nullopt;
    }
    return identityOf(status);
}

} // namespace suite
