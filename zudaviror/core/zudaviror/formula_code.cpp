#include "zudaviror/formula_code.h"

namespace zudaviror {

bool isLetter(char code) {
    return code >= 'p' && code <= 't';
}

bool isFormulaVariable(char code) {
    return code == FormulaCode::F1 || code == FormulaCode::F2 || code == FormulaCode::F3 ||
           code == FormulaCode::F4;
}

bool isAtom(char code) {
    return isLetter(code) || code == FormulaCode::Falso || isFormulaVariable(code);
}

bool isModalOperator(char code) {
    return code == FormulaCode::Necesidad || code == FormulaCode::Posibilidad;
}

bool isUnaryOperator(char code) {
    return isModalOperator(code) || code == FormulaCode::Negado;
}

bool isBinaryConnective(char code) {
    return code == FormulaCode::Conjuncion || code == FormulaCode::Disyuncion ||
           code == FormulaCode::Condicional || code == FormulaCode::Bicondicional;
}

bool isQuantifier(char code) {
    return code == FormulaCode::Universal || code == FormulaCode::Existencial;
}

std::optional<std::size_t> worldLetterIndex(char code) {
    const auto position = kWorldLetters.find(code);
    if (position == std::string_view::npos) {
        return std::nullopt;
    }
    return position;
}

} // namespace zudaviror
