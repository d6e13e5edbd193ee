#pragma once

#include "varquen/validity.h"

#include <string>

namespace varquen {

// The countermodel as the student reads it, in Latin-1, one line a universe, a function's value,
// a relation or a free variable:
//   A = {A1, A2}   f(A1) = B1   R = {(A1, B1)}   x = A2
std::string countermodelText(const Countermodel& countermodel);

// The whole answer as the student reads it, in Latin-1: the verdict's line ("no válida",
// "desconocido: límite de tiempo alcanzado") and, after a line "Contramodelo:", the countermodel.
std::string answerText(const ValidityAnswer& answer);

// The countermodel as JSON, in UTF-8: {"universes":{"A":["A1"]},"functions":{"f":[{"arguments":
// ["A1"],"value":"B1"}]},"relations":{"R":[["A1","B1"]]},"freeVariables":{"x":"A1"}}; a table too large
// to write out is null.
std::string countermodelJson(const Countermodel& countermodel);

} // namespace varquen
