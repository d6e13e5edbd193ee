#pragma once

#include <string>

namespace zudaviror::testing {

// Eleven leaves, each under nineteen alternating modal operators, joined as
// ((((l+l)+l)+...)+l) and lengthened with negations to the full 255 codes: every limit of the
// translation reached at once.
inline std::string largestFormulaWithinTheLimits() {
    const std::string letters = "pqrstpqrstp";
    std::string leaves[11];
    for (int i = 0; i < 11; ++i) {
        for (int depth = 0; depth < 19; ++depth) {
            leaves[i] += depth % 2 == 0 ? '!' : '"';
        }
        leaves[i] += letters[i];
    }
    for (int i = 0; i < 7; ++i) {
        leaves[i] = "#" + leaves[i];
    }
    std::string formula = leaves[0];
    for (int i = 1; i < 10; ++i) {
        formula = "(" + formula + "+" + leaves[i] + ")";
    }
    return formula + "-" + leaves[10];
}

} // namespace zudaviror::testing
