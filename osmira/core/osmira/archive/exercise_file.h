#pragma once

#include "osmira/archive/exercise_archive.h"

#include "suite/file_lock.h"
#include "suite/file_saving.h"

#include <cstddef>
#include <string>

namespace osmira {

// Far beyond any exercise (a 99-step exercise takes about 250 KB): readers of exercise files stop
// here, so a device or a wrong file never fills the memory.
inline constexpr std::size_t kLargestExerciseFile = std::size_t{256} << 20;

// Reads an exercise file; anything but a regular file of at most kLargestExerciseFile bytes is
// refused at once. The reason is a Latin-1 sentence without the path.
ExerciseRead readExerciseFile(const std::string& path);

// An exercise read to be changed and written back, its file held until the object goes, after
// the save: another command changing it waits for this one's save and reads what it wrote. Refused
// with the lock's reason when another holds the file longer than suite::kLockPatience.
struct HeldExerciseRead : ExerciseRead {
    suite::FileLock lock;
};
HeldExerciseRead readHeldExerciseFile(const std::string& path);

// Writes the exercise whole or not at all: links followed, read-only files, folders and devices
// refused, the old file kept byte for byte on any failure.
suite::FileSave writeExerciseFile(const std::string& path, const CEjercicio& exercise);

} // namespace osmira
