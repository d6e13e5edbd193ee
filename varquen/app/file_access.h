#pragma once

#include <QString>

#include <optional>
#include <string>

namespace varquen::app {

struct WholeFileRead {
    std::optional<std::string> value; // empty when refused
    QString reason;                   // why, for the status line
};

// The whole file as bytes, or why not: it cannot be opened or read, or it is bigger than any
// formula file, which is refused before more than the limit is read.
WholeFileRead readWholeFile(const QString& path);

// Writes `bytes` to a temporary beside `path` and renames it over `path` only when every byte
// was written, so the old file stays whole after a failed save. A symbolic link stays a link: the
// file it names is written. A read-only file is not replaced. Nothing on success, else why.
std::optional<QString> writeFileAtomically(const QString& path, const std::string& bytes);

} // namespace varquen::app
