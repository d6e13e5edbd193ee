#include "varquen/symbol_signs.h"

#include "suite/latin1.h"

namespace varquen {

std::string utf8WithSigns(std::string_view latin1) {
    std::string out;
    for (char c : latin1) {
        if (const int k = symbolIndex(c); k >= 0) {
            out += kSymbolSigns[k];
        } else {
            out += suite::utf8FromLatin1(std::string_view(&c, 1));
        }
    }
    return out;
}

} // namespace varquen
