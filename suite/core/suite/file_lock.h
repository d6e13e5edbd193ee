#pragma once

#include <chrono>
#include <string>

namespace suite {

// How long a program waits for another to finish with a file: reading, changing and saving an
// exercise takes milliseconds, so a file held for seconds belongs to a program that is stuck or
// waits on its user.
inline constexpr std::chrono::milliseconds kLockPatience{5000};

// A file held while it is read, changed and written back: an exclusive flock, advisory, taken by
// every program of the suite that rewrites a file it read. A second program doing the same waits
// for the first one's save and reads what it wrote, instead of overwriting it with what it had
// read before. The save puts a new file in place by rename, so a waiter that finally holds the
// file the save replaced lets it go and takes the one the path names now. Released with the
// object, after the save.
class FileLock {
  public:
    FileLock() = default;
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

    bool held() const { return fd_ >= 0; }
    // Another program held the file for the whole wait.
    bool busy() const { return busy_; }
    // Why the file could not be had, as a Spanish clause in Latin-1 without the path; empty
    // unless busy.
    std::string reason() const;

  private:
    friend FileLock lockFile(const std::string& path, std::chrono::milliseconds patience);
    FileLock(int fd, bool busy) : fd_(fd), busy_(busy) {}

    int fd_ = -1;
    bool busy_ = false;
};

// Holds the file the path names (through its links), waiting at most `patience` for another
// holder. Nothing is held, and nothing refused, where there is nothing to hold: no regular file
// (its reader says why), or a file system without locks (the program goes on as it would alone).
FileLock lockFile(const std::string& path, std::chrono::milliseconds patience = kLockPatience);

} // namespace suite
