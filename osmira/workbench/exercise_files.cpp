#include "exercise_files.h"

#include "osmira/replaced_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace osmira::workbench {

namespace {

ExerciseRead refused(const QString& reason) {
    return {nullptr, reason.toLatin1().toStdString()};
}

QString readingProblem(const QString& path, const QFile& file) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return QStringLiteral("El fichero no existe.");
    }
    if (info.isDir()) {
        return QStringLiteral("Es una carpeta, no un fichero.");
    }
    if (!info.isReadable()) {
        return QStringLiteral("No tiene permiso para leer el fichero.");
    }
    return QStringLiteral("No se ha podido leer el fichero (%1).").arg(file.errorString());
}

QString writingProblem(const QString& path, const QFileDevice& file) {
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    if (!folder.exists()) {
        return QStringLiteral("La carpeta no existe.");
    }
    if (info.isDir()) {
        return QStringLiteral("Es una carpeta, no un fichero.");
    }
    if (!folder.isWritable()) {
        return QStringLiteral("No tiene permiso para escribir en la carpeta.");
    }
    if (info.exists() && !info.isWritable()) {
        return QStringLiteral("No tiene permiso para escribir el fichero.");
    }
    return QStringLiteral("No se ha podido escribir el fichero; puede que el disco esté lleno (%1).")
        .arg(file.errorString());
}

} // namespace

ExerciseRead readExerciseFile(const QString& path) {
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        return refused(readingProblem(path, file));
    }
    const QByteArray bytes = file.read(static_cast<qint64>(kLargestExerciseFile) + 1);
    if (file.error() != QFileDevice::NoError) {
        return refused(readingProblem(path, file));
    }
    if (static_cast<std::size_t>(bytes.size()) > kLargestExerciseFile) {
        return refused(QStringLiteral("El fichero es demasiado grande para ser un ejercicio."));
    }
    return LoadExercise(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

std::optional<QString> writeExerciseFile(const QString& givenPath, const CEjercicio& exercise) {
    const std::string given = QFile::encodeName(givenPath).toStdString();
    // A loop of links is left for the save itself to report.
    const std::string target = FollowLinks(given).value_or(given);
    const QString path = QFile::decodeName(target.c_str());
    if (IsReadOnly(target)) {
        return QStringLiteral("No tiene permiso para escribir el fichero.");
    }
    const std::string bytes = SaveExercise(exercise);
    QSaveFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::WriteOnly)) {
        return writingProblem(path, file);
    }
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        const QString reason = writingProblem(path, file);
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) {
        return writingProblem(path, file);
    }
    return std::nullopt;
}

} // namespace osmira::workbench
