#include "zudaviror/modal_prefix.h"

#include "zudaviror/formula_code.h"

namespace zudaviror {

std::string modalPrefix(char modalOperator) {
    const bool necessity = modalOperator == FormulaCode::Necesidad;
    std::string prefix = "Xv(Suv";
    prefix.front() = necessity ? FormulaCode::Universal : FormulaCode::Existencial;
    prefix += necessity ? FormulaCode::Condicional : FormulaCode::Conjuncion;
    return prefix;
}

} // namespace zudaviror
