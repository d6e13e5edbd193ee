#include "exercise_files.h"

#include "osmira/exercise_file.h"

#include "suite/system_reason.h"

#include <QFile>

namespace osmira::workbench {

ExerciseRead readExerciseFile(const QString& path) {
    return osmira::readExerciseFile(QFile::encodeName(path).toStdString());
}

std::optional<QString> writeExerciseFile(const QString& path, const CEjercicio& exercise) {
    const suite::FileSave save = osmira::writeExerciseFile(QFile::encodeName(path).toStdString(), exercise);
    if (save.saved()) {
        return std::nullopt;
    }
    return QString::fromLatin1(suite::asSentence(save.reason()));
}

} // namespace osmira::workbench
