#pragma once

#include <filesystem>
#include <string>

namespace suite::testing {

// A file system of a few kilobytes (tmpfs) mounted on a scratch folder, for tests of what
// happens when the disk fills up. Mounting needs root; where it fails, `mounted()` is false
// and `whyNot()` says why, for the test to skip with. Unmounted by the destructor.
class SmallDisk {
  public:
    explicit SmallDisk(const std::filesystem::path& mountPoint, std::size_t bytes = 64 * 1024);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& whyNot() const { return whyNot_; }
    const std::filesystem::path& path() const { return path_; }

    // Takes every byte still free, so that the next write fails for lack of space.
    void fill();

  private:
    std::filesystem::path path_;
    bool mounted_ = false;
    std::string whyNot_;
};

} // namespace suite::testing
