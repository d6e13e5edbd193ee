#include "suite_testing/small_disk.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace suite::testing {

SmallDisk::SmallDisk(const std::filesystem::path& mountPoint, std::size_t bytes) : path_(mountPoint) {
    std::filesystem::create_directories(path_);
    const std::string options = "size=" + std::to_string(bytes);
    if (::mount("tmpfs", path_.c_str(), "tmpfs", 0, options.c_str()) == 0) {
        mounted_ = true;
    } else {
        whyNot_ =
            "cannot mount a small tmpfs here (" + std::string(std::strerror(errno)) + "); it needs root";
    }
}

SmallDisk::~SmallDisk() {
    if (mounted_) {
        ::umount2(path_.c_str(), MNT_DETACH);
    }
}

void SmallDisk::fill() {
    const std::filesystem::path filler = path_ / "filler";
    const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    ASSERT_GE(fd, 0) << std::strerror(errno);
    const std::string block(4096, 'x');
    // Whole blocks first, then single bytes for what is left of the last one.
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    while (::write(fd, "x", 1) > 0) {
    }
    ::close(fd);
}

} // namespace suite::testing
