#include "exercise_files.h"

#include "suite/system_reason.h"

#include <QFile>

namespace osmira::workbench {

namespace {

std::string systemName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

HeldExerciseRead readExerciseFile(const QString& path) {
    return osmira::readHeldExerciseFile(systemName(path));
}

std::optional<QString> saveFailure(const QString& path, const CEjercicio& exercise) {
    const suite::FileSave save = osmira::writeExerciseFile(systemName(path), exercise);
    if (save.saved()) {
        return std::nullopt;
    }
    return QString::fromLatin1(suite::asSentence(save.reason()));
}

suite::FileLock lockExerciseFile(const QString& path) {
    return suite::lockFile(systemName(path));
}

std::optional<suite::FileIdentity> exerciseFileIdentity(const QString& path) {
    return suite::fileIdentity(systemName(path));
}

} // namespace osmira::workbench
