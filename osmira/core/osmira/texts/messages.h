#pragma once

#include "suite/latin1.h"

#include <string>

// The fixed Spanish texts of the core, written readably and held as the model's Latin-1 bytes.

namespace osmira::messages {

// Formula dialogs.
inline const std::string kFormulaSyntax = suite::latin1FromUtf8(
    "La sintaxis de la formula no es correcta.\nPor favor, compruebe que los paréntesis estén "
    "compensados o que esté utilizando correctamente los operadores.\nSi tiene alguna duda "
    "sobre la sintaxis de las fórmulas consulte la ayuda.");
inline const std::string kInsertionSyntax = suite::latin1FromUtf8(
    "La sintaxis de la fórmula no es correcta.\nPor favor, compruebe que los paréntesis estén "
    "compensados o que esté utilizando correctamente los operadores.\nSi tiene alguna duda "
    "sobre la sintaxis de las fórmulas consulte la ayuda.");
inline const std::string kEmptyFormula = suite::latin1FromUtf8("Debe introducir una fórmula");
inline const std::string kNoHypothesis = suite::latin1FromUtf8("Debe introducir al menos una hipótesis");

// A formula longer than the formula field holds (the CLI takes any length).
inline const std::string kFormulaTooLong =
    suite::latin1FromUtf8("La fórmula es demasiado larga: no puede tener más de 32767 caracteres.");

// A formula whose groups nest deeper than its conversion into a diagram can follow.
inline const std::string kFormulaTooDeep = suite::latin1FromUtf8(
    "La fórmula anida demasiados grupos entre paréntesis para convertirla en diagrama: caben "
    "hasta 20 grupos uno dentro de otro, y solo 10 cuando cada grupo sigue a un operador o a ¬.");

// Rule refusals.
inline const std::string kErasureOnSheet = suite::latin1FromUtf8(
    "Se ha aplicado la regla de Borrado erroneamente. No se puede aplicar esta regla sobre la "
    "Hoja de Aserción");
inline const std::string kErasureParity = suite::latin1FromUtf8(
    "Se ha aplicado la regla de Borrado erroneamente. El área que ha seleccionado debe ser par_envuelta");
inline const std::string kInsertionParity = suite::latin1FromUtf8(
    "Se ha aplicado la regla de Inserción erroneamente. El área seleccionada debe ser impar-envuelta");
inline const std::string kIteration = suite::latin1FromUtf8(
    "Se ha aplicado la regla de Iteración erroneamente. No se han cumplido las condiciones "
    "necesarias para la Iteración.");
inline const std::string kDeiterationOnSheet = suite::latin1FromUtf8(
    "Se ha aplicado la regla de Desiteración. No se puede aplicar esta regla sobre la Hoja de Aserción.");
inline const std::string kDeiteration = suite::latin1FromUtf8(
    "Se ha aplicado la regla de Desiteración. No se han cumplido las condiciones necesarias "
    "para la Desiteración.");

// A rule whose result would be longer than any exercise may hold (kLongestBracketForm).
inline const std::string kDiagramTooLarge = suite::latin1FromUtf8(
    "No se puede aplicar la regla: el diagrama resultante sería demasiado grande. Un diagrama "
    "no puede tener más de 1048576 caracteres en su forma de corchetes.");

// A rule whose new step would take the exercise past kMostSteps or kMostExerciseElements.
inline const std::string kExerciseFull = suite::latin1FromUtf8(
    "No se puede aplicar la regla: el ejercicio no puede tener más pasos ni más elementos. Un "
    "ejercicio guarda como mucho 65536 pasos y 2097154 elementos entre todos sus diagramas.");

// A rule asked for on a step that already has a successor.
inline const std::string kLockedStep = suite::latin1FromUtf8(
    "No puede aplicar una nueva regla sobre el diagrama. Si quiere aplicar una nueva regla "
    "elimine los diagramas consecutivos a este");

// Comments given to the diagrams of a new exercise.
inline const std::string kFirstStepComment = suite::latin1FromUtf8(
    "Diagrama inicial del Ejercicio sobre el que se realizará el calculo Alfa mediante las "
    "Reglas de Transformación");
inline const std::string kFinalDiagramComment =
    suite::latin1FromUtf8("Diagrama final del Ejercicio, es decir, el diagrama al que se ha de llegar.");

// The tutor: why no derivation to the goal is given.
inline const std::string kNothingToDerive =
    suite::latin1FromUtf8("El ejercicio no tiene conclusión: no hay ninguna conclusión a la que llegar.");
inline const std::string kNoOpenLastStep =
    suite::latin1FromUtf8("El ejercicio no tiene un último paso abierto desde el que continuar.");
inline const std::string kLastStepWeaker = suite::latin1FromUtf8(
    "Desde el último paso ya no se puede llegar a la conclusión: elimine los últimos diagramas. ");
inline const std::string kSearchFailed =
    suite::latin1FromUtf8("No se ha encontrado una derivación hasta la conclusión.");
inline const std::string kDerivationBeyondTheExercise = suite::latin1FromUtf8(
    "La derivación encontrada no cabe en el ejercicio: tendría más pasos o más elementos de los que "
    "un ejercicio puede guardar.");
inline const std::string kTooLargeToSearch = suite::latin1FromUtf8(
    "El ejercicio es demasiado grande para buscar una derivación: la búsqueda admite hasta 10 "
    "letras distintas y 20000 caracteres entre el último paso y la conclusión, en su forma de corchetes.");

} // namespace osmira::messages
