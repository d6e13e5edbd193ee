#pragma once

#include "osmira/archive/exercise_archive.h"
#include "osmira/archive/exercise_file.h"

#include "suite/file_identity.h"
#include "suite/file_lock.h"

#include <QString>

#include <optional>

namespace osmira::workbench {

// Reads an exercise file while holding it, so that the identity taken before the read lets go
// of it is the identity of what was read: the exercise, or the reason it could not be read (in
// the model's Latin-1 text, without the path). A FIFO or a device is refused at once, never
// waited on.
HeldExerciseRead readExerciseFile(const QString& path);

// Writes the exercise (osmira::writeExerciseFile): whole or not at all, so a failed save never
// destroys the previous file.
// A symbolic link is followed to the file it names; a read-only file is refused, as an editor
// refuses it. The reason of a failure, as a sentence, or nothing.
std::optional<QString> saveFailure(const QString& path, const CEjercicio& exercise);

// The file held from the look at it before a save to the save itself (suite::lockFile).
suite::FileLock lockExerciseFile(const QString& path);

// Which file the path names now and which version of it; nothing when it is gone.
std::optional<suite::FileIdentity> exerciseFileIdentity(const QString& path);

} // namespace osmira::workbench
