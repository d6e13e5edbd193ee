#pragma once

#include <QString>

#include <optional>
#include <string>

namespace varquen::app {

// The whole file as bytes, or nothing when it cannot be opened.
std::optional<std::string> readWholeFile(const QString& path);

// Writes `bytes` to a temporary beside `path` and renames it over `path` only when every byte
// was written, so the old file stays whole after a failed save. Nothing on success, else why.
std::optional<QString> writeFileAtomically(const QString& path, const std::string& bytes);

} // namespace varquen::app
