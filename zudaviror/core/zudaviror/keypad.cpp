#include "zudaviror/keypad.h"

#include "zudaviror/keypad_state.h"
#include "zudaviror/messages.h"
#include "zudaviror/trans.h"

#include <new>

namespace zudaviror {

Keypad::Keypad(LogSession& log, Notifier& notifier) : log_(log), notifier_(notifier) {
    enableEditingKeys();
    applyKeypadState(1);
}

bool Keypad::isKeyEnabled(int keyId) const {
    const auto key = enabled_.find(keyId);
    return key != enabled_.end() && key->second;
}

bool Keypad::pressKey(std::string_view name) {
    if (name == kAtrasKeyName) {
        if (!isKeyEnabled(KeyId::ATRAS)) {
            return false;
        }
        removeLastCode();
    } else {
        const SymbolKey* key = findSymbolKey(name);
        if (key == nullptr || !isKeyEnabled(key->id)) {
            return false;
        }
        appendCode(key->code);
    }
    applyKeypadState(keypadState(formula_));
    return true;
}

void Keypad::appendCode(char code) {
    steps_.clear();
    formula_ += code;
    enableEditingKeys();
    formulaFontHeight_ = formula_.size() <= kLongFormulaCodes ? kFormulaFontHeight : kLongFormulaFontHeight;
}

void Keypad::removeLastCode() {
    steps_.clear();
    result_.clear();
    formula_.pop_back();
    enableEditingKeys();
    if (formula_.size() <= kLongFormulaCodes) {
        formulaFontHeight_ = kFormulaFontHeight;
    }
}

void Keypad::clearFormula() {
    formula_.clear();
    result_.clear();
    steps_.clear();
    enableEditingKeys();
    applyKeypadState(1);
}

void Keypad::enableEditingKeys() {
    setEnabled(KeyId::ATRAS, !formula_.empty());
    setEnabled(KeyId::BORRAR, !formula_.empty());
}

void Keypad::applyKeypadState(int state) {
    state_ = state;
    const KeypadStateGroups groups = keypadStateGroups(state);
    const bool roomForACode = formula_.size() < kMaxFormulaCodes;
    for (const SymbolKey& key : kSymbolKeys) {
        setEnabled(key.id, roomForACode && groupEnabled(groups, key.group));
    }
    setEnabled(KeyId::TRADUCIR, groups.translate);
}

TranslateCommandResult Keypad::translateCommand() {
    if (!isKeyEnabled(KeyId::TRADUCIR)) {
        return TranslateCommandResult::NotAvailable;
    }
    try {
        return showTranslation(TRANS(formula_));
    } catch (const std::bad_alloc&) {
        return reportOutOfMemory();
    }
}

TranslateCommandResult Keypad::showTranslation(const TransOutcome& outcome) {
    if (outcome.status == TransStatus::OutOfMemory) {
        return reportOutOfMemory();
    }
    if (!outcome.translated()) {
        // Only the message: the boxes keep what they showed, as after any other refusal.
        notifier_.showMessage(outcome.message);
        return TranslateCommandResult::Refused;
    }
    // Everything that allocates happens before the record is written, so that a failure
    // leaves neither a record of a translation that is not shown nor half-updated boxes.
    std::string steps = stepDisplay_ ? stepsBoxText(outcome.stepText) : std::string();
    std::string result = outcome.result;
    log_.appendTranslationRecord(formula_, outcome.result, outcome.stepText, stepDisplay_);
    steps_ = std::move(steps);
    result_ = std::move(result);
    return TranslateCommandResult::Translated;
}

TranslateCommandResult Keypad::reportOutOfMemory() {
    notifier_.showMessage(messages::kOutOfMemory);
    return TranslateCommandResult::OutOfMemory;
}

void Keypad::toggleStepDisplay() {
    if (stepDisplay_) {
        steps_.clear();
    }
    stepDisplay_ = !stepDisplay_;
}

std::string stepsBoxText(std::string_view stepText) {
    if (stepText.starts_with('\n')) {
        stepText.remove_prefix(1);
    }
    return std::string(stepText);
}

} // namespace zudaviror
