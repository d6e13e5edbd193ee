#include "zudaviror/trans.h"

#include "zudaviror/formula_code.h"
#include "zudaviror/keypad_state.h"
#include "zudaviror/leaf_pass.h"
#include "zudaviror/messages.h"
#include "zudaviror/render_passes.h"
#include "zudaviror/trans_limits.h"
#include "zudaviror/trans_state.h"
#include "zudaviror/world_passes.h"

#include <new>

namespace zudaviror {

namespace {

TransOutcome refused(TransStatus status, std::string message) {
    return {.status = status, .result = {}, .stepText = {}, .message = std::move(message)};
}

TransOutcome checkKeypadFormula(std::string_view K) {
    if (K.empty()) {
        return refused(TransStatus::NotWellFormed, messages::kEmptyFormula);
    }
    const KeypadCheck check = checkKeyedFormula(K);
    if (check.producible) {
        return {};
    }
    if (check.refusedAt < K.size()) {
        return refused(TransStatus::NotWellFormed,
                       messages::codeOutOfPlace(check.refusedAt, K[check.refusedAt]));
    }
    return refused(TransStatus::NotWellFormed, messages::kIncompleteFormula);
}

TransOutcome checkMeasures(const FormulaMeasures& measures) {
    if (measures.leaves > kMaxLeaves) {
        return refused(TransStatus::TooManyLeaves, messages::tooManyLeaves(measures.leaves, kMaxLeaves));
    }
    if (measures.modalNesting > kMaxModalNesting) {
        return refused(TransStatus::TooDeeplyNested,
                       messages::tooDeeplyNested(measures.modalNesting, kMaxModalNesting));
    }
    if (measures.longestLeaf > kMaxLeafCodes) {
        return refused(TransStatus::LeafTooLong,
                       messages::leafTooLong(measures.longestLeaf - 1, kMaxLeafCodes - 1));
    }
    return {};
}

// A formula with one top-level connective, typed without parentheses, is given them so
// that the leaf pass sees every binary formula the same way.
std::string wrapTopLevel(std::string_view K) {
    long balance = 0;
    bool hasConnective = false;
    for (const char code : K) {
        balance += code == FormulaCode::Abierto;
        if (isBinaryConnective(code)) {
            --balance;
            hasConnective = true;
        }
    }
    if (!hasConnective || balance != -1) {
        return std::string(K);
    }
    return FormulaCode::Abierto + std::string(K) + FormulaCode::Cerrado;
}

TransOutcome translate(std::string_view K) {
    TransState state;
    const std::string wrapped = wrapTopLevel(K);
    state.workText = wrapped;
    translateLeaves(state, wrapped);
    expandModalCompound(state);
    markWorld(state);
    renameWorldVariables(state);
    restoreLetters(state);
    renderAtoms(state);
    return {.status = TransStatus::Translated,
            .result = std::move(state.workText),
            .stepText = std::move(state.stepText),
            .message = {}};
}

} // namespace

TransOutcome checkTransInput(std::string_view K) {
    if (K.size() > kMaxFormulaCodes) {
        return refused(TransStatus::TooManyCodes, messages::tooManyCodes(K.size(), kMaxFormulaCodes));
    }
    TransOutcome outcome = checkKeypadFormula(K);
    if (!outcome.translated()) {
        return outcome;
    }
    return checkMeasures(measureFormula(K));
}

TransOutcome TRANS(std::string_view K) {
    try {
        TransOutcome check = checkTransInput(K);
        if (!check.translated()) {
            return check;
        }
        return translate(K);
    } catch (const std::bad_alloc&) {
        TransOutcome outOfMemory;
        outOfMemory.status = TransStatus::OutOfMemory;
        return outOfMemory;
    }
}

} // namespace zudaviror
