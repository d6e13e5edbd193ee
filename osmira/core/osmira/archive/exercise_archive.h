#pragma once

#include "osmira/model/ejercicio.h"

#include <memory>
#include <string>
#include <string_view>

namespace osmira {

// The .omr archive of one exercise: the exercise, its steps inline, their elements inline,
// each element's graphic by a tagged reference. Fonts, children, windows are not stored.
std::string SaveExercise(const CEjercicio& exercise);

struct ExerciseRead {
    std::unique_ptr<CEjercicio> value; // set when the bytes are an exercise
    std::string reason;                // otherwise why not (Latin-1 text)
};

// Reads an exercise and makes it ready for the rules: children lists rebuilt from the
// depths and W restored to the last step's bracket form. Refuses truncated data, unknown
// classes, schemas, kind codes and element lists that cannot be a diagram.
ExerciseRead LoadExercise(std::string_view bytes);

} // namespace osmira
