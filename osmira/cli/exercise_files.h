#pragma once

#include "osmira/ejercicio.h"

#include <memory>
#include <string>

namespace osmira::cli {

struct OpenedExercise {
    std::unique_ptr<CEjercicio> exercise;
    std::string reason; // Latin-1, when the file could not be read as an exercise
};

OpenedExercise OpenExerciseFile(const std::string& path);

// Writes the exercise to a temporary file beside `path` and renames it over `path`, so that
// a failed save leaves the previous file whole. A symbolic link is followed to the file it
// names, which is replaced; a read-only file is refused. Returns the reason of a failure, or "".
// Reasons are Latin-1 text without the path.
std::string SaveExerciseFile(const CEjercicio& exercise, const std::string& path);

} // namespace osmira::cli
