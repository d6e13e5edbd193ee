#pragma once

#include <optional>
#include <string>
#include <string_view>

// How the translation log reaches the file system: the student's choice of a file
// and appending to it. The window and the command-line tool each provide their own.
namespace zudaviror {

class LogFileChooser {
  public:
    virtual ~LogFileChooser() = default;
    // The full path of the chosen file, or nothing when the student cancels.
    virtual std::optional<std::string> chooseLogFile() = 0;
};

enum class AppendResult {
    Written,
    CannotOpen,
    CannotWrite,
    CannotClose,
    NotRegularFile, // a pipe, a device or a socket: refused without waiting for a reader
    ReadOnly,       // as the suite's writer decides it: the user's own file without its write bit
};

class LogFileAppender {
  public:
    virtual ~LogFileAppender() = default;
    // Opens path for appending (creating it when missing), writes bytes, closes it. A failed
    // append leaves the file as it was.
    virtual AppendResult append(const std::string& path, std::string_view bytes) = 0;
};

// Appends to a real file; line feeds become the platform's line ends, as a text-mode file would.
// Each append is one write() under an exclusive lock (flock), so that a kill or a second program
// appending to the same file never leaves a torn or interleaved block.
class FileAppender : public LogFileAppender {
  public:
    AppendResult append(const std::string& path, std::string_view bytes) override;
};

// The line feeds of text as the platform's line ends.
std::string toPlatformLineEnds(std::string_view text);

} // namespace zudaviror
