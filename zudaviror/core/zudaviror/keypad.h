#pragma once

#include "zudaviror/keypad_keys.h"
#include "zudaviror/log_session.h"
#include "zudaviror/notifier.h"
#include "zudaviror/trans.h"

#include <map>
#include <string>
#include <string_view>

// The state of the main window: the formula built on the keypad, the last translation,
// which keys are enabled, and the captions and font height the window shows.
namespace zudaviror {

inline constexpr int kFormulaFontHeight = 32;
inline constexpr int kLongFormulaFontHeight = 21;
inline constexpr int kOutputFontHeight = 16; // result and steps boxes
inline constexpr std::size_t kLongFormulaCodes = 35;

inline constexpr std::string_view kShowStepsCaption = "MOSTRAR T.";
inline constexpr std::string_view kHideStepsCaption = "OCULTAR T.";

enum class TranslateCommandResult {
    NotAvailable, // TRADUCIR is disabled
    Translated,
    Refused,     // beyond the limits; the student has been told why
    OutOfMemory, // the student has been told; the program must end with status -1
};

class Keypad {
  public:
    Keypad(LogSession& log, Notifier& notifier);

    // A symbol key or ATRAS, by name. Returns false, changing nothing, for an unknown or disabled key.
    bool pressKey(std::string_view name);

    // BORRAR.
    void clearFormula();

    // TRADUCIR.
    TranslateCommandResult translateCommand();

    // "MOSTRAR T." / "OCULTAR T.".
    void toggleStepDisplay();

    const std::string& formula() const { return formula_; }
    const std::string& result() const { return result_; }
    const std::string& steps() const { return steps_; }
    int state() const { return state_; }
    bool isKeyEnabled(int keyId) const;
    bool stepDisplayOn() const { return stepDisplay_; }
    std::string_view stepDisplayCaption() const {
        return stepDisplay_ ? kHideStepsCaption : kShowStepsCaption;
    }
    int formulaFontHeight() const { return formulaFontHeight_; }

  private:
    TranslateCommandResult showTranslation(const TransOutcome& outcome);
    TranslateCommandResult reportOutOfMemory();
    void appendCode(char code);
    void removeLastCode();
    void enableEditingKeys();
    void applyKeypadState(int state);
    void setEnabled(int keyId, bool enabled) { enabled_[keyId] = enabled; }

    LogSession& log_;
    Notifier& notifier_;
    std::string formula_;
    std::string result_;
    std::string steps_;
    int state_ = 1;
    bool stepDisplay_ = false;
    int formulaFontHeight_ = kFormulaFontHeight;
    std::map<int, bool> enabled_;
};

// The step text as the steps box shows it: one snapshot a line.
std::string stepsBoxText(std::string_view stepText);

} // namespace zudaviror
