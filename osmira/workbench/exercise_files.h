#pragma once

#include "osmira/exercise_archive.h"

#include <QString>

#include <optional>

namespace osmira::workbench {

// Reads an exercise file: the exercise, or the reason it could not be read (in the model's
// Latin-1 text, without the path). A FIFO or a device is refused at once, never waited on.
ExerciseRead readExerciseFile(const QString& path);

// Writes the exercise whole or not at all, so a failed save never destroys the previous file.
// A symbolic link is followed to the file it names; a read-only file is refused, as an editor
// refuses it. The reason of a failure, as a sentence, or nothing.
std::optional<QString> writeExerciseFile(const QString& path, const CEjercicio& exercise);

} // namespace osmira::workbench
