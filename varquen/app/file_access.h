#pragma once

#include <QString>

#include <optional>
#include <string>

namespace varquen::app {

struct WholeFileRead {
    std::optional<std::string> value; // empty when refused
    QString reason;                   // why, for the status line
};

// The whole file as bytes, or why not: it cannot be opened or read, it is a FIFO or a device
// (refused at once, never waited on), or it is bigger than any formula file, which is refused
// before more than the limit is read.
WholeFileRead readWholeFile(const QString& path);

// Replaces the file by `bytes` whole or not at all, so the old file stays byte for byte after a
// failed save (a full disk, a kill). A symbolic link stays a link: the file it names is written. A
// read-only file, a folder or a device is not replaced. Nothing on success, else why, as a
// sentence.
std::optional<QString> writeFileAtomically(const QString& path, const std::string& bytes);

} // namespace varquen::app
