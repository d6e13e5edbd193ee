#pragma once

// The fixed Spanish texts of the core, as Latin-1 bytes.

namespace osmira::messages {

// Formula dialogs.
inline constexpr const char* kFormulaSyntax =
    "La sintaxis de la formula no es correcta.\nPor favor, compruebe que los par\xE9ntesis est\xE9n "
    "compensados o que est\xE9 utilizando correctamente los operadores.\nSi tiene alguna duda sobre la "
    "sintaxis de las f\xF3rmulas consulte la ayuda.";
inline constexpr const char* kInsertionSyntax =
    "La sintaxis de la f\xF3rmula no es correcta.\nPor favor, compruebe que los par\xE9ntesis est\xE9n "
    "compensados o que est\xE9 utilizando correctamente los operadores.\nSi tiene alguna duda sobre la "
    "sintaxis de las f\xF3rmulas consulte la ayuda.";
inline constexpr const char* kEmptyFormula = "Debe introducir una f\xF3rmula";
inline constexpr const char* kNoHypothesis = "Debe introducir al menos una hip\xF3tesis";

// Rule refusals.
inline constexpr const char* kErasureOnSheet = "Se ha aplicado la regla de Borrado erroneamente. No se puede "
                                               "aplicar esta regla sobre la Hoja de Aserci\xF3n";
inline constexpr const char* kErasureParity =
    "Se ha aplicado la regla de Borrado erroneamente. El \xE1rea que ha seleccionado debe ser par_envuelta";
inline constexpr const char* kInsertionParity =
    "Se ha aplicado la regla de Inserci\xF3n erroneamente. El \xE1rea seleccionada debe ser impar-envuelta";
inline constexpr const char* kIteration = "Se ha aplicado la regla de Iteraci\xF3n erroneamente. No se han "
                                          "cumplido las condiciones necesarias para la Iteraci\xF3n.";
inline constexpr const char* kDeiterationOnSheet = "Se ha aplicado la regla de Desiteraci\xF3n. No se puede "
                                                   "aplicar esta regla sobre la Hoja de Aserci\xF3n.";
inline constexpr const char* kDeiteration =
    "Se ha aplicado la regla de Desiteraci\xF3n. No se han cumplido las "
    "condiciones necesarias para la Desiteraci\xF3n.";

// A rule asked for on a step that already has a successor.
inline constexpr const char* kLockedStep =
    "No puede aplicar una nueva regla sobre el diagrama. Si quiere aplicar "
    "una nueva regla elimine los diagramas consecutivos a este";

// Comments given to the diagrams of a new exercise.
inline constexpr const char* kFirstStepComment =
    "Diagrama inicial del Ejercicio sobre el que se realizar\xE1 el "
    "calculo Alfa mediante las Reglas de Transformaci\xF3n";
inline constexpr const char* kFinalDiagramComment =
    "Diagrama final del Ejercicio, es decir, el diagrama al que se ha de llegar.";

} // namespace osmira::messages
