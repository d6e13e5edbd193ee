#pragma once

#include <QString>

namespace osmira::render {

// What a save replaces, decided as a text editor decides it before writing.

// The file the path names once its symbolic links are followed: a save writes through a link
// to its target instead of replacing the link by a file.
QString FileBehindLinks(const QString& path);

// The user's own file is read-only without its owner's write permission, even for root, who
// could write it; another's file when the user may not write it. A missing file is not.
bool IsReadOnlyFile(const QString& path);

} // namespace osmira::render
