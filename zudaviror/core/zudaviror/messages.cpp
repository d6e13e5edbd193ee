#include "zudaviror/messages.h"

#include "zudaviror/latin1.h"

namespace zudaviror::messages {

const std::string kOutOfMemory = latin1FromUtf8("IMPOSIBLE RESERVAR MÁS MEMORIA.");
const std::string kCannotStore = latin1FromUtf8("No se puede almacenar información en ese fichero.");
const std::string kCannotClose = latin1FromUtf8("No se puede cerrar el fichero.");
const std::string kEmptyFormula = latin1FromUtf8("La fórmula está vacía.");
const std::string kIncompleteFormula =
    latin1FromUtf8("La fórmula está incompleta: le falta un operando o un paréntesis.");

namespace {

bool isPrintableAscii(char code) {
    return code >= 0x20 && code < 0x7F;
}

std::string number(std::size_t value) {
    return std::to_string(value);
}

} // namespace

std::string codeOutOfPlace(std::size_t position, char code) {
    std::string text = latin1FromUtf8("La fórmula no está bien formada: el símbolo ") + number(position + 1);
    if (isPrintableAscii(code)) {
        text += latin1FromUtf8(" («") + code + latin1FromUtf8("»)");
    }
    return text + " no puede ir en ese lugar.";
}

std::string tooManyCodes(std::size_t codes, std::size_t limit) {
    return latin1FromUtf8("La fórmula tiene ") + number(codes) +
           latin1FromUtf8(" símbolos; no se pueden traducir más de ") + number(limit) + ".";
}

std::string tooManyLeaves(std::size_t leaves, std::size_t limit) {
    return latin1FromUtf8("La fórmula tiene ") + number(leaves) +
           latin1FromUtf8(" átomos; no se pueden traducir más de ") + number(limit) + ".";
}

std::string tooDeeplyNested(std::size_t nesting, std::size_t limit) {
    return latin1FromUtf8("La fórmula anida ") + number(nesting) +
           latin1FromUtf8(" operadores modales; no se pueden traducir más de ") + number(limit) +
           " anidados.";
}

std::string leafTooLong(std::size_t operators, std::size_t limit) {
    return latin1FromUtf8("Un átomo lleva ") + number(operators) +
           latin1FromUtf8(" operadores seguidos delante; no se pueden traducir más de ") + number(limit) +
           ".";
}

} // namespace zudaviror::messages
