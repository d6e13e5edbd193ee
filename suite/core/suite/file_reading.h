#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace suite {

enum class ReadFailure { None, Missing, Folder, NotRegularFile, NoPermission, TooLarge, CannotRead };

// A whole file's bytes, or why there are none.
struct FileRead {
    std::optional<std::string> value;
    ReadFailure failure = ReadFailure::None;
    int error = 0; // errno of the call that failed, for CannotRead
    // Why, as a Spanish clause in Latin-1 without the path ("el fichero no existe").
    std::string reason() const;
};

// Reads a regular file of at most `limit` bytes. Anything else is refused at once, never waited
// on: a FIFO or a device would block or never end, and a file larger than the limit is refused
// before its bytes are read.
FileRead readRegularFile(const std::string& path, std::size_t limit);

} // namespace suite
