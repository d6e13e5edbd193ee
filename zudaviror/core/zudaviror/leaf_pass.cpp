#include "zudaviror/leaf_pass.h"

#include "zudaviror/formula_code.h"
#include "zudaviror/modal_prefix.h"
#include "zudaviror/text_operations.h"

#include <algorithm>

namespace zudaviror {

namespace {

constexpr std::string_view kMarkerHead = "TRANS/(";
constexpr std::string_view kRenamingDigits = "1234567890";

bool containsBinaryConnective(std::string_view text) {
    return std::any_of(text.begin(), text.end(), isBinaryConnective);
}

// A letter already used by an earlier leaf is replaced by a digit, so that every atom
// marker in the working string is unique until restoreLetters puts the letters back.
void renameRepeatedLetter(TransState& state, std::size_t n) {
    auto& leaves = state.leaves;
    for (std::size_t i = 0; i < n; ++i) {
        if (leaves.leafAlias[i] != leaves.leafAlias[n]) {
            continue;
        }
        const char letter = leaves.leafAlias[n];
        std::size_t occurrences = 0;
        for (char& code : state.workText) {
            if (code == letter && ++occurrences == 2) {
                leaves.leafAlias[n] = kRenamingDigits[(n - 1) % kRenamingDigits.size()];
                code = leaves.leafAlias[n];
                break;
            }
        }
    }
}

void translateLeaf(TransState& state, std::string_view leaf) {
    const std::size_t n = state.leafCount;
    if (leaf.empty() || n >= kLeafTableSize) {
        return;
    }
    state.leaves.leafLetter[n] = state.leaves.leafAlias[n] = leaf.back();
    renameRepeatedLetter(state, n);

    std::string leafText(leaf);
    leafText.back() = state.leaves.leafAlias[n];
    const std::string marker = std::string(kMarkerHead) + leafText + FormulaCode::Cerrado;
    if (state.workText.find(leafText) == std::string::npos) {
        return;
    }
    state.workText = replaceFirst(state.workText, leafText, marker);
    const bool prefixed = leafText.size() > 1;
    if (prefixed) {
        state.workText = replaceFirst(state.workText, marker, expandPrefix(leafText));
    }
    appendSnapshot(state);
    state.workText = markTrans(state.workText);
    if (prefixed) {
        appendSnapshot(state);
    }
    ++state.leafCount;
}

} // namespace

void translateLeaves(TransState& state, std::string_view piece) {
    if (piece.empty()) {
        return;
    }
    const std::size_t k = mainConnective(piece);
    const bool beginsWithOperator = isUnaryOperator(piece.front());
    if (k != 0 && !beginsWithOperator) {
        translateLeaves(state, leftOperand(piece, k));
        translateLeaves(state, rightOperand(piece, k));
    } else if (beginsWithOperator && containsBinaryConnective(piece)) {
        // The operator stays in place: expandModalCompound deals with it once the
        // operand is translated.
        translateLeaves(state, piece.substr(1));
    } else {
        translateLeaf(state, piece);
    }
}

std::string expandPrefix(std::string_view leaf) {
    if (leaf.empty() || !isUnaryOperator(leaf.front())) {
        return std::string(leaf);
    }
    const char op = leaf.front();
    const std::string sub = expandPrefix(leaf.substr(1));
    const bool singleCode = sub.size() == 1;
    std::string expanded;
    if (isModalOperator(op)) {
        expanded = modalPrefix(op);
        if (singleCode) {
            expanded += FormulaCode::Abierto + sub + FormulaCode::Cerrado + FormulaCode::Cerrado;
        } else {
            expanded += sub + FormulaCode::Cerrado;
        }
        return expanded;
    }
    expanded = FormulaCode::Negado;
    if (singleCode) {
        expanded += FormulaCode::Abierto;
    }
    expanded += sub;
    if (!isBalanced(expanded)) {
        expanded += FormulaCode::Cerrado;
    }
    return expanded;
}

std::string markTrans(std::string_view text) {
    for (std::size_t i = 0; i + 2 < text.size(); ++i) {
        const bool atomGroup = text[i] == FormulaCode::Abierto && text[i + 2] == FormulaCode::Cerrado;
        const bool marked = i > 0 && text[i - 1] == '/';
        if (atomGroup && !marked) {
            const std::string_view group = text.substr(i, 3);
            return replaceFirst(text, group, std::string("TRANS/").append(group));
        }
    }
    return std::string(text);
}

} // namespace zudaviror
