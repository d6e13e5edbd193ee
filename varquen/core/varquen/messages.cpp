#include "varquen/messages.h"

#include "suite/latin1.h"
#include "varquen/parse_codes.h"

namespace varquen::messages {

namespace {
std::string text(const char* utf8) {
    return suite::latin1FromUtf8(utf8);
}
std::string number(long long n) {
    return std::to_string(n);
}
} // namespace

std::string universeCaption() {
    return text("Error en declaración de universo");
}
std::string variableCaption() {
    return text("Error en declaración de variable");
}
std::string functionCaption() {
    return text("Error en declaración de función");
}
std::string relationCaption() {
    return text("Error en declaración de relación");
}
std::string clashCaption() {
    return "Error";
}

std::string tokenRepeated(const std::string& name) {
    return "El token " + name + " esta repetido";
}
std::string tooManyUniverses(int limit) {
    return text("Lo siento no se admiten más de ") + number(limit) + " universos";
}
std::string tooManyVariables(int limit) {
    return "Lo siento no se admiten mas de " + number(limit) + " variables";
}
std::string tooManyFunctions(int limit) {
    return text("Lo siento no se admiten más de ") + number(limit) + " funciones";
}
std::string tooManyRelations(int limit) {
    return text("Lo siento no se admiten más de ") + number(limit) + " relaciones";
}
std::string unnamedUniverse() {
    return "Lo siento no se admiten universos sin nombre";
}
std::string unnamedVariable() {
    return "Lo siento no se admiten variables sin nombre";
}
std::string unnamedFunction() {
    return "Lo siento no se admiten funciones sin nombre";
}
std::string unnamedRelation() {
    return "Lo siento no se admiten relaciones sin nombre";
}
std::string colonNeeded() {
    return text("Se necesita : en la declaración");
}
std::string variableTypeOutOfRange(int universes) {
    return text("No se admiten variables de tipo menor que 1,\no mayor que el número de universos: ") +
           number(universes) + "\n";
}
std::string parameterTypeTooSmall(const std::string& function) {
    return text("Los parámetros de ") + function + " deben ser de tipo mayor o igual que 1";
}
std::string parameterTypeTooLarge(const std::string& function, int universes) {
    return text("Los parámetros de ") + function +
           text(" deben ser de tipo menor o igual\nque el máximo universo: ") + number(universes);
}
std::string parameterListSyntax(const std::string& function) {
    return text("Error de sintaxis en lista de parámetros de ") + function + "\n";
}
std::string relationWithoutParameters() {
    return text("No se admiten relaciones sin al menos un parámetro");
}
std::string entryTooLong(int limit) {
    return text("Lo siento no se admiten declaraciones de más de ") + number(limit) +
           text(" caracteres (sin contar los blancos)");
}
std::string nulInEntry() {
    return text("Lo siento, no se admiten declaraciones con un carácter nulo (código 0)");
}
std::string tooManyParameters(const std::string& function, int limit) {
    return text("Lo siento no se admiten más de ") + number(limit) + text(" parámetros en ") + function;
}
std::string numberTooLarge() {
    return text("Número demasiado grande en la declaración");
}

std::string parseMessage(ParseError error) {
    switch (error) {
    case ParseError::None:
        return "OK";
    case ParseError::WrongType:
        return text("Expresión de tipo incorrecto");
    case ParseError::UnknownVariable:
        return "Variable inexistente";
    case ParseError::UnknownFunction:
        return text("Función inexistente");
    case ParseError::UnknownRelation:
        return text("Relación inexistente");
    case ParseError::UnknownUniverse:
        return "Universo inexistente";
    case ParseError::VariableExpected:
        return "Se requiere variable tras un cuantificador";
    case ParseError::UnexpectedEnd:
        return "Fin inesperado";
    case ParseError::LexicalError:
        return text("Error léxico");
    case ParseError::CloseExpected:
        return "Esperaba )";
    case ParseError::ParenthesisNeedsBinary:
        return text("Sólo se puede poner ( con operadores binarios");
    case ParseError::UnexpectedClose:
        return text("Sobra ): aquí debe empezar una fórmula o un término");
    case ParseError::WordTooLong:
        return text("Palabra demasiado larga: más de 255 letras");
    case ParseError::OutputTooLong:
        return text("Traducción demasiado larga: más de 4095 caracteres");
    case ParseError::FormulaTooLong:
        return text("Fórmula demasiado larga: más de 4095 caracteres");
    case ParseError::TrailingText:
        return text("Sobra texto después de la fórmula");
    default:
        return text("Error desconocido");
    }
}

std::string reportHeading() {
    return text("\nLo hecho de la traducción es:\n");
}

std::string reportTooLong(std::size_t length) {
    return text("(son ") + number(static_cast<long long>(length)) +
           text(" caracteres, demasiados para mostrarlos aquí; \"Guardar\" de \"Traducción\" los escribe en "
                "un fichero)");
}

std::string formulaTooLongToSave() {
    return text(
        "La fórmula, con cada signo escrito como su palabra clave, tiene más de 4095 caracteres: no se "
        "guarda para no cortarla");
}
std::string fileLineTooLong() {
    return text("El fichero tiene una línea de más de 4095 caracteres: no se lee para no cortarla");
}
std::string fileFormulaTooLong() {
    return text("La fórmula del fichero tiene más de 4095 caracteres: no se lee para no cortarla");
}
std::string fileTooLarge() {
    return text("El fichero tiene más de ") + number(static_cast<long long>(kMaxFormulaFileSize)) +
           text(" bytes, más de los que puede tener un fichero de fórmulas: no se lee");
}

std::string unreadableTranslation() {
    return text("La traducción contiene un nombre con paréntesis que no se puede volver a leer: no se puede "
                "preguntar si es válida");
}
std::string validityCaption() {
    return text("¿Es válida?");
}

} // namespace varquen::messages
