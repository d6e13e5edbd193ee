#include "text_encoding.h"

#include "osmira/formula/formula_alphabet.h"

#include <array>

namespace osmira::cli {

std::string formulaArgument(std::string_view text) {
    // What a keyboard without the signs types instead of them.
    static const std::array<ConnectiveSign, 4> kTyped{
        {{kNegation, "~"}, {kConjunction, "&"}, {kDisjunction, "|"}, {kImplication, ">"}}};
    std::string formula;
    for (std::size_t i = 0; i < text.size();) {
        bool matched = false;
        for (const auto* signs : {&kConnectiveSigns, &kTyped}) {
            for (const auto& [byte, spelling] : *signs) {
                if (!matched && text.substr(i, spelling.size()) == spelling) {
                    formula += byte;
                    i += spelling.size();
                    matched = true;
                }
            }
        }
        if (matched) {
            continue;
        }
        if (text[i] != ' ' && text[i] != '\t') {
            formula += text[i];
        }
        ++i;
    }
    return formula;
}

} // namespace osmira::cli
