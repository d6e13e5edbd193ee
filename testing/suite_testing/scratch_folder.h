#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace suite::testing {

// The whole content of a file, byte for byte; empty when it cannot be read.
std::string readFile(const std::filesystem::path& path);

// Writes the bytes as the whole content of the file; the test fails if it cannot.
void writeFile(const std::filesystem::path& path, std::string_view bytes);

// The names of everything in a folder, sorted: to see what a program left there.
std::vector<std::string> namesIn(const std::filesystem::path& folder);

// A fresh folder under the system's temporary folder, named after the running test and the
// process, so that runs side by side never share one. The destructor removes it with its
// contents, also when an assertion ends the test early.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

} // namespace suite::testing
