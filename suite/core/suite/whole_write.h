#pragma once

#include <string_view>

namespace suite {

// Writes every byte to the descriptor, going on after a short write or an interruption; one
// write() when the system takes the bytes at once. False, with errno set, when a write fails
// (ENOSPC for one that writes nothing).
bool writeWhole(int fd, std::string_view bytes);

} // namespace suite
