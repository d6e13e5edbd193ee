// The report of any exercise the reader accepts: its texts never become markup, its pictures stay
// files of their folder with names of their own, whatever the file's titles and comments hold.
#include "report_safety.h"

#include "osmira/archive/exercise_archive.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    osmira::ExerciseRead read =
        osmira::LoadExercise(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!read.value) {
        return 0;
    }
    if (const std::optional<std::string> fault = osmira::test::reportFault(*read.value, "Paso 01.jpg")) {
        std::fprintf(stderr, "%s\n", fault->c_str());
        __builtin_trap();
    }
    return 0;
}
