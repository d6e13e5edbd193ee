#include "osmira/replaced_file.h"

#include <cerrno>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace osmira {

std::optional<std::string> FollowLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            return path;
        }
        std::string target(PATH_MAX, '\0');
        ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0) {
            return std::nullopt;
        }
        target.resize(static_cast<std::size_t>(length));
        std::size_t slash = path.rfind('/');
        path =
            target.front() == '/' || slash == std::string::npos ? target : path.substr(0, slash + 1) + target;
    }
    errno = ELOOP;
    return std::nullopt;
}

bool IsReadOnly(const std::string& path) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) != 0) {
        return false;
    }
    if (existing.st_uid == ::geteuid()) {
        return (existing.st_mode & S_IWUSR) == 0;
    }
    return ::access(path.c_str(), W_OK) != 0;
}

} // namespace osmira
