#include "zudaviror/messages.h"

#include "suite/file_saving.h"
#include "suite/latin1.h"

namespace zudaviror::messages {

const std::string kOutOfMemory = suite::latin1FromUtf8("IMPOSIBLE RESERVAR MÁS MEMORIA.");
const std::string kCannotStore = suite::latin1FromUtf8("No se puede almacenar información en ese fichero.");
const std::string kCannotClose = suite::latin1FromUtf8("No se puede cerrar el fichero.");
const std::string kNotRegularFile = suite::latin1FromUtf8(
    "No se puede almacenar información en ese fichero: no es un fichero ordinario, sino una tubería o un "
    "dispositivo.");
// The reason the suite's writer gives for the same refusal.
const std::string kReadOnlyFile =
    suite::latin1FromUtf8("No se puede almacenar información en ese fichero: ") +
    suite::FileSave{.failure = suite::SaveFailure::ReadOnly}.reason() + ".";
const std::string kEmptyFormula = suite::latin1FromUtf8("La fórmula está vacía.");
const std::string kIncompleteFormula =
    suite::latin1FromUtf8("La fórmula está incompleta: le falta un operando o un paréntesis.");

namespace {

bool isPrintableAscii(char code) {
    return code >= 0x20 && code < 0x7F;
}

std::string number(std::size_t value) {
    return std::to_string(value);
}

} // namespace

std::string codeOutOfPlace(std::size_t position, char code) {
    std::string text =
        suite::latin1FromUtf8("La fórmula no está bien formada: el símbolo ") + number(position + 1);
    if (isPrintableAscii(code)) {
        text += suite::latin1FromUtf8(" («") + code + suite::latin1FromUtf8("»)");
    }
    return text + " no puede ir en ese lugar.";
}

std::string tooManyCodes(std::size_t codes, std::size_t limit) {
    return suite::latin1FromUtf8("La fórmula tiene ") + number(codes) +
           suite::latin1FromUtf8(" símbolos; no se pueden traducir más de ") + number(limit) + ".";
}

std::string tooManyLeaves(std::size_t leaves, std::size_t limit) {
    return suite::latin1FromUtf8("La fórmula tiene ") + number(leaves) +
           suite::latin1FromUtf8(" átomos; no se pueden traducir más de ") + number(limit) + ".";
}

std::string tooDeeplyNested(std::size_t nesting, std::size_t limit) {
    return suite::latin1FromUtf8("La fórmula anida ") + number(nesting) +
           suite::latin1FromUtf8(" operadores modales; no se pueden traducir más de ") + number(limit) +
           " anidados.";
}

std::string leafTooLong(std::size_t operators, std::size_t limit) {
    return suite::latin1FromUtf8("Un átomo lleva ") + number(operators) +
           suite::latin1FromUtf8(" operadores seguidos delante; no se pueden traducir más de ") +
           number(limit) + ".";
}

} // namespace zudaviror::messages
