#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace osmira {

// Far beyond any exercise (a 99-step exercise takes about 250 KB): readers of exercise files stop
// here, so a device or a wrong file never fills the memory.
inline constexpr std::size_t kLargestExerciseFile = std::size_t{256} << 20;

// What a save replaces, decided as a text editor decides it before writing.

// The file the path names once its symbolic links are followed, so that a save writes through a
// link to its target instead of replacing the link by a file. Nothing, with errno set, for a
// loop of links.
std::optional<std::string> FollowLinks(std::string path);

// The user's own file is read-only without its owner's write permission, even for root, who
// could write it; another's file when the user may not write it. A missing file is not.
bool IsReadOnly(const std::string& path);

} // namespace osmira
