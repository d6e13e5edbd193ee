// The keypad fed presses: each byte a symbol key by its code, or a command (0x08 ATRAS,
// 0x7F BORRAR, line feed TRADUCIR, 'T' MOSTRAR T.); anything else a press of an unknown key.
// TRADUCIR runs TRANS on the keypad-built formula, which must agree with TRANS called directly.
#include "zudaviror/keypad.h"
#include "zudaviror/keypad_keys.h"
#include "zudaviror/keypad_state.h"
#include "zudaviror/log_session.h"
#include "zudaviror/trans.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace {

class SilentNotifier : public zudaviror::Notifier {
  public:
    void showMessage(std::string_view) override {}
};

class FixedClock : public zudaviror::Clock {
  public:
    zudaviror::LocalTime now() override { return {}; }
};

class NoFile : public zudaviror::LogFileChooser {
  public:
    std::optional<std::string> chooseLogFile() override { return std::nullopt; }
};

class NoAppender : public zudaviror::LogFileAppender {
  public:
    zudaviror::AppendResult append(const std::string&, std::string_view) override {
        return zudaviror::AppendResult::Written;
    }
};

void check(bool holds) {
    if (!holds) {
        __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SilentNotifier notifier;
    FixedClock clock;
    NoFile chooser;
    NoAppender appender;
    zudaviror::LogSession log(clock, chooser, appender, notifier);
    zudaviror::Keypad keypad(log, notifier);
    for (std::size_t i = 0; i < size; ++i) {
        const char code = static_cast<char>(data[i]);
        if (code == '\x08') {
            keypad.pressKey(zudaviror::kAtrasKeyName);
        } else if (code == '\x7F') {
            keypad.clearFormula();
        } else if (code == 'T') {
            keypad.toggleStepDisplay();
        } else if (code == '\n') {
            const std::string formula = keypad.formula();
            const zudaviror::TranslateCommandResult result = keypad.translateCommand();
            if (result == zudaviror::TranslateCommandResult::Translated) {
                check(keypad.result() == zudaviror::TRANS(formula).result);
            }
            check(result != zudaviror::TranslateCommandResult::OutOfMemory);
        } else if (const zudaviror::SymbolKey* key = zudaviror::findSymbolKeyForCode(code)) {
            keypad.pressKey(key->name);
        } else {
            check(!keypad.pressKey(std::string(1, code)));
        }
        // Whatever was pressed, the formula stays one the keypad accepts code by code, within the box.
        check(keypad.formula().size() <= zudaviror::kMaxFormulaCodes);
        check(zudaviror::checkKeyedFormula(keypad.formula()).refusedAt == keypad.formula().size());
    }
    return 0;
}
