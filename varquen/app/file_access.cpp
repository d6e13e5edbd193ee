#include "file_access.h"

#include "varquen/messages.h"
#include "varquen/parse_codes.h"

#include "suite/file_reading.h"
#include "suite/file_saving.h"
#include "suite/system_reason.h"

#include <QFile>

namespace varquen::app {

WholeFileRead readWholeFile(const QString& path) {
    suite::FileRead read = suite::readRegularFile(QFile::encodeName(path).toStdString(), kMaxFormulaFileSize);
    switch (read.failure) {
    case suite::ReadFailure::None:
        return {std::move(read.value), {}};
    case suite::ReadFailure::TooLarge:
        return {std::nullopt, QString::fromLatin1(messages::fileTooLarge())};
    case suite::ReadFailure::NotRegularFile:
        // A FIFO or a device would block the window or never end.
        return {std::nullopt, QString::fromLatin1(suite::asSentence(read.reason()))};
    default:
        return {std::nullopt, QStringLiteral("No encuentro fichero")};
    }
}

std::optional<QString> writeFileAtomically(const QString& path, const std::string& bytes) {
    const suite::FileSave save = suite::replaceFile(QFile::encodeName(path).toStdString(), bytes);
    if (save.saved()) {
        return std::nullopt;
    }
    return QString::fromLatin1(suite::asSentence(save.reason()));
}

} // namespace varquen::app
