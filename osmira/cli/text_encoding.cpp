#include "text_encoding.h"

#include "osmira/formula/formula_alphabet.h"

#include <array>
#include <utility>

namespace osmira::cli {

std::string formulaArgument(std::string_view text) {
    static const std::array<std::pair<std::string_view, char>, 8> kSigns{{{"¬", kNegation},
                                                                          {"∧", kConjunction},
                                                                          {"∨", kDisjunction},
                                                                          {"→", kImplication},
                                                                          {"~", kNegation},
                                                                          {"&", kConjunction},
                                                                          {"|", kDisjunction},
                                                                          {">", kImplication}}};
    std::string formula;
    for (std::size_t i = 0; i < text.size();) {
        bool matched = false;
        for (const auto& [spelling, byte] : kSigns) {
            if (text.substr(i, spelling.size()) == spelling) {
                formula += byte;
                i += spelling.size();
                matched = true;
                break;
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
