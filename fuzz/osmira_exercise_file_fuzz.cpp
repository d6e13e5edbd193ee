// The .omr reader on any bytes; what it reads is reopened, and written, read and written again
// byte for byte the same.
#include "osmira/archive/exercise_archive.h"
#include "osmira/model/ejercicio.h"
#include "osmira/model/workbench_operations.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    osmira::ExerciseRead read =
        osmira::LoadExercise(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!read.value) {
        if (read.reason.empty()) {
            __builtin_trap(); // a refusal always says why
        }
        return 0;
    }
    const std::string written = osmira::SaveExercise(*read.value);
    osmira::ExerciseRead again = osmira::LoadExercise(written);
    if (!again.value || osmira::SaveExercise(*again.value) != written) {
        __builtin_trap();
    }
    // Reopening lays out the final diagram and the goal compares canonical forms.
    again.value->ReopenAfterReading();
    (void)again.value->goalReached();
    return 0;
}
