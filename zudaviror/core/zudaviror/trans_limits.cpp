#include "zudaviror/trans_limits.h"

#include "zudaviror/formula_code.h"

#include <algorithm>
#include <vector>

namespace zudaviror {

FormulaMeasures measureFormula(std::string_view formula) {
    FormulaMeasures measures;
    std::size_t enclosingModal = 0;      // modal operators whose scope is an open parenthesis
    std::size_t pendingModal = 0;        // modal operators waiting for their operand
    std::size_t pendingOperators = 0;    // any unary operators waiting for their operand
    std::vector<std::size_t> openedWith; // pendingModal of each open parenthesis
    for (const char code : formula) {
        if (isUnaryOperator(code)) {
            pendingModal += isModalOperator(code);
            ++pendingOperators;
        } else if (isAtom(code)) {
            ++measures.leaves;
            measures.modalNesting = std::max(measures.modalNesting, enclosingModal + pendingModal);
            measures.longestLeaf = std::max(measures.longestLeaf, pendingOperators + 1);
            pendingModal = pendingOperators = 0;
        } else if (code == FormulaCode::Abierto) {
            openedWith.push_back(pendingModal);
            enclosingModal += pendingModal;
            pendingModal = pendingOperators = 0;
        } else if (code == FormulaCode::Cerrado && !openedWith.empty()) {
            enclosingModal -= openedWith.back();
            openedWith.pop_back();
        }
    }
    return measures;
}

} // namespace zudaviror
