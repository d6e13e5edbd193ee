#include "file_access.h"

#include <QFile>
#include <QSaveFile>

namespace varquen::app {

std::optional<std::string> readWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::optional<QString> writeFileAtomically(const QString& path, const std::string& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    const auto size = static_cast<qint64>(bytes.size());
    // Without a commit the temporary is dropped and the old file stays.
    if (file.write(bytes.data(), size) != size || !file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

} // namespace varquen::app
