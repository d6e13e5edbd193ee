#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Every message the program shows, in Latin-1 bytes.
namespace zudaviror::messages {

inline constexpr std::string_view kOutOfMemory = "IMPOSIBLE RESERVAR M\xC1S MEMORIA.";
inline constexpr std::string_view kCannotStore = "No se puede almacenar informaci\xF3n en ese fichero.";
inline constexpr std::string_view kCannotClose = "No se puede cerrar el fichero.";
inline constexpr std::string_view kEmptyFormula = "La f\xF3rmula est\xE1 vac\xED"
                                                  "a.";
inline constexpr std::string_view kIncompleteFormula =
    "La f\xF3rmula est\xE1 incompleta: le falta un operando o un par\xE9ntesis.";

// The code at position (0-based) cannot follow what comes before it.
std::string codeOutOfPlace(std::size_t position, char code);
std::string tooManyCodes(std::size_t codes, std::size_t limit);
std::string tooManyLeaves(std::size_t leaves, std::size_t limit);
std::string tooDeeplyNested(std::size_t nesting, std::size_t limit);
std::string leafTooLong(std::size_t operators, std::size_t limit);

} // namespace zudaviror::messages
