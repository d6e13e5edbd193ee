#include "exercise_files.h"

#include "replaced_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace osmira::workbench {

namespace {

// Far above any exercise the dialogs can make (a 99-step exercise takes about 250 KB), so a
// huge or endless file is refused before it is read into memory.
constexpr qint64 kLargestExerciseFile = qint64{256} << 20;

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
    const QByteArray bytes = file.read(kLargestExerciseFile + 1);
    if (file.error() != QFileDevice::NoError) {
        return refused(readingProblem(path, file));
    }
    if (bytes.size() > kLargestExerciseFile) {
        return refused(QStringLiteral("El fichero es demasiado grande para ser un ejercicio."));
    }
    return LoadExercise(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

std::optional<QString> writeExerciseFile(const QString& givenPath, const CEjercicio& exercise) {
    const QString path = render::FileBehindLinks(givenPath);
    if (render::IsReadOnlyFile(path)) {
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
