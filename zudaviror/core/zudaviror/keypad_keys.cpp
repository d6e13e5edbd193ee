#include "zudaviror/keypad_keys.h"

#include <algorithm>

namespace zudaviror {

const SymbolKey* findSymbolKey(std::string_view name) {
    const auto key = std::find_if(kSymbolKeys.begin(), kSymbolKeys.end(),
                                  [name](const SymbolKey& candidate) { return candidate.name == name; });
    return key == kSymbolKeys.end() ? nullptr : &*key;
}

const SymbolKey* findSymbolKeyForCode(char code) {
    const auto key = std::find_if(kSymbolKeys.begin(), kSymbolKeys.end(),
                                  [code](const SymbolKey& candidate) { return candidate.code == code; });
    return key == kSymbolKeys.end() ? nullptr : &*key;
}

} // namespace zudaviror
