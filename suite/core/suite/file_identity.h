#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace suite {

// Which file a path names and which version of it: the device and inode tell the file (a save
// by rename makes a new one), the size and the modification time to the nanosecond its content
// (a write in place moves the time even within the same second).
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;

    bool sameFile(const FileIdentity& other) const { return device == other.device && inode == other.inode; }
    bool operator==(const FileIdentity&) const = default;
};

// The file the path names through its links, or nothing when there is none.
std::optional<FileIdentity> fileIdentity(const std::string& path);
// The file open on the descriptor.
std::optional<FileIdentity> fileIdentity(int fd);

} // namespace suite
