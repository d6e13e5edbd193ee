#include "zudaviror/messages.h"

namespace zudaviror::messages {

namespace {

bool isPrintableAscii(char code) {
    return code >= 0x20 && code < 0x7F;
}

} // namespace

std::string codeOutOfPlace(std::size_t position, char code) {
    std::string text = "La f\xF3rmula no est\xE1 bien formada: el s\xEDmbolo " + std::to_string(position + 1);
    if (isPrintableAscii(code)) {
        text += std::string(" (\xAB") + code + "\xBB)";
    }
    return text + " no puede ir en ese lugar.";
}

std::string tooManyCodes(std::size_t codes, std::size_t limit) {
    return "La f\xF3rmula tiene " + std::to_string(codes) + " s\xEDmbolos; no se pueden traducir m\xE1s de " +
           std::to_string(limit) + ".";
}

std::string tooManyLeaves(std::size_t leaves, std::size_t limit) {
    return "La f\xF3rmula tiene " + std::to_string(leaves) + " \xE1tomos; no se pueden traducir m\xE1s de " +
           std::to_string(limit) + ".";
}

std::string tooDeeplyNested(std::size_t nesting, std::size_t limit) {
    return "La f\xF3rmula anida " + std::to_string(nesting) +
           " operadores modales; no se pueden traducir m\xE1s de " + std::to_string(limit) + " anidados.";
}

std::string leafTooLong(std::size_t operators, std::size_t limit) {
    return "Un \xE1tomo lleva " + std::to_string(operators) +
           " operadores seguidos delante; no se pueden traducir m\xE1s de " + std::to_string(limit) + ".";
}

} // namespace zudaviror::messages
