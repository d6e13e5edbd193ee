// TRANS on any string of codes: refused with a message, or translated.
#include "zudaviror/keypad_state.h"
#include "zudaviror/trans.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view K(reinterpret_cast<const char*>(data), size);
    const zudaviror::TransOutcome outcome = zudaviror::TRANS(K);
    // A refusal always says why, and only keypad formulas are translated.
    if (!outcome.translated() && outcome.status != zudaviror::TransStatus::OutOfMemory &&
        outcome.message.empty()) {
        __builtin_trap();
    }
    if (outcome.translated() && !zudaviror::keypadCanProduce(K)) {
        __builtin_trap();
    }
    return 0;
}
