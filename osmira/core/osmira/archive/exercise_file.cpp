#include "osmira/archive/exercise_file.h"

#include "suite/file_reading.h"
#include "suite/latin1.h"
#include "suite/system_reason.h"

namespace osmira {

ExerciseRead readExerciseFile(const std::string& path) {
    suite::FileRead read = suite::readRegularFile(path, kLargestExerciseFile);
    if (read.failure == suite::ReadFailure::TooLarge) {
        return {nullptr, suite::latin1FromUtf8("El fichero es demasiado grande para ser un ejercicio.")};
    }
    if (!read.value) {
        return {nullptr, suite::asSentence(read.reason())};
    }
    return LoadExercise(*read.value);
}

HeldExerciseRead readHeldExerciseFile(const std::string& path) {
    suite::FileLock lock = suite::lockFile(path);
    if (lock.busy()) {
        return {{nullptr, suite::asSentence(lock.reason())}, std::move(lock)};
    }
    return {readExerciseFile(path), std::move(lock)};
}

suite::FileSave writeExerciseFile(const std::string& path, const CEjercicio& exercise) {
    return suite::replaceFile(path, SaveExercise(exercise));
}

} // namespace osmira
