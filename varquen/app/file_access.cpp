#include "file_access.h"

#include "varquen/formula_file.h"
#include "varquen/messages.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <unistd.h>

namespace varquen::app {

WholeFileRead readWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {std::nullopt, QStringLiteral("No encuentro fichero")};
    }
    // One byte past the largest formula file is enough to refuse a bigger one: /dev/zero never ends.
    const QByteArray bytes = file.read(static_cast<qint64>(MaxFormulaFileSize) + 1);
    if (static_cast<std::size_t>(bytes.size()) > MaxFormulaFileSize) {
        return {std::nullopt, QString::fromLatin1(messages::fileTooLarge())};
    }
    return {std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())), {}};
}

namespace {

// As a text editor sees it: a file the user owns is read-only when its owner has no write
// permission, even for root, who could write it; another's file, when the user may not write it.
// QFileInfo follows a symbolic link, and QSaveFile writes through it to the file it names.
bool isReadOnly(const QFileInfo& info) {
    if (!info.exists()) {
        return false;
    }
    if (info.ownerId() == ::geteuid()) {
        return !info.permission(QFileDevice::WriteOwner);
    }
    return !info.isWritable();
}

} // namespace

std::optional<QString> writeFileAtomically(const QString& path, const std::string& bytes) {
    if (isReadOnly(QFileInfo(path))) {
        return QStringLiteral("El fichero %1 es de solo lectura: no se reemplaza").arg(path);
    }
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
