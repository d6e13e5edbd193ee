#include "zudaviror/keypad_state.h"

#include "zudaviror/formula_code.h"

#include <algorithm>

namespace zudaviror {

namespace {

struct CodeCounts {
    long open = 0;
    long close = 0;
    long binary = 0;
};

CodeCounts countCodes(std::string_view formula) {
    CodeCounts counts;
    for (const char code : formula) {
        counts.open += code == FormulaCode::Abierto;
        counts.close += code == FormulaCode::Cerrado;
        counts.binary += isBinaryConnective(code);
    }
    return counts;
}

// Scans leftwards from position end (inclusive): an ABIERTO first gives 3 (first operand
// complete), a binary connective first gives 4 (second operand complete).
int operandStateLeftOf(std::string_view formula, std::size_t end) {
    for (std::size_t position = end + 1; position-- > 0;) {
        if (formula[position] == FormulaCode::Abierto) {
            return 3;
        }
        if (isBinaryConnective(formula[position])) {
            return 4;
        }
    }
    return kNoKeypadState;
}

int stateAfterClosingAtTopLevel(std::string_view formula, const CodeCounts& counts) {
    if (isUnaryOperator(formula.front())) {
        return counts.binary == counts.close + 1 ? 2 : 5;
    }
    return counts.binary > 1 && counts.binary == counts.open + 1 ? 2 : 3;
}

int stateAfterClosingInside(std::string_view formula) {
    long count = 0;
    for (std::size_t position = formula.size(); position-- > 0;) {
        count += formula[position] == FormulaCode::Abierto;
        count -= formula[position] == FormulaCode::Cerrado;
        if (count == 0) {
            return position == 0 ? kNoKeypadState : operandStateLeftOf(formula, position - 1);
        }
    }
    return kNoKeypadState;
}

int stateAfterAtomAtTopLevel(const CodeCounts& counts) {
    if (counts.open > 0) {
        return 2;
    }
    if (counts.binary == 0) {
        return 5;
    }
    return counts.binary == 1 ? 2 : kNoKeypadState;
}

} // namespace

int keypadState(std::string_view formula) {
    if (formula.empty()) {
        return 1;
    }
    const char last = formula.back();
    if (isUnaryOperator(last) || last == FormulaCode::Abierto || isBinaryConnective(last)) {
        return 1;
    }
    const CodeCounts counts = countCodes(formula);
    const bool topLevel = counts.open == counts.close;
    if (last == FormulaCode::Cerrado) {
        return topLevel ? stateAfterClosingAtTopLevel(formula, counts) : stateAfterClosingInside(formula);
    }
    if (isAtom(last)) {
        return topLevel ? stateAfterAtomAtTopLevel(counts) : operandStateLeftOf(formula, formula.size() - 1);
    }
    return kNoKeypadState;
}

KeypadStateGroups keypadStateGroups(int state) {
    switch (state) {
    case 1:
        return {.atom = true, .unary = true, .open = true};
    case 2:
        return {.translate = true};
    case 3:
        return {.binary = true};
    case 4:
        return {.close = true};
    case 5:
        return {.binary = true, .translate = true};
    default:
        return {};
    }
}

bool groupEnabled(const KeypadStateGroups& groups, KeyGroup group) {
    switch (group) {
    case KeyGroup::Atom:
        return groups.atom;
    case KeyGroup::Unary:
        return groups.unary;
    case KeyGroup::Open:
        return groups.open;
    case KeyGroup::Close:
        return groups.close;
    case KeyGroup::Binary:
        return groups.binary;
    }
    return false;
}

KeypadCheck checkKeyedFormula(std::string_view formula) {
    for (std::size_t position = 0; position < formula.size(); ++position) {
        const SymbolKey* key = findSymbolKeyForCode(formula[position]);
        const auto groups = keypadStateGroups(keypadState(formula.substr(0, position)));
        if (key == nullptr || !groupEnabled(groups, key->group)) {
            return {.producible = false, .refusedAt = position};
        }
    }
    return {.producible = keypadStateGroups(keypadState(formula)).translate, .refusedAt = formula.size()};
}

bool keypadCanProduce(std::string_view formula) {
    return formula.size() <= kMaxFormulaCodes && checkKeyedFormula(formula).producible;
}

} // namespace zudaviror
