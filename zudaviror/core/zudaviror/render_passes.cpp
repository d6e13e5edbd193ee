#include "zudaviror/render_passes.h"

#include "zudaviror/formula_code.h"
#include "zudaviror/text_operations.h"

#include <algorithm>

namespace zudaviror {

namespace {

// An atom marker "TRANS/(c)[w]" seen from its '[': c two codes before, w one after.
constexpr std::size_t kMarkerBeforeBracket = 9;
constexpr std::size_t kMarkerLength = 12;

char predicateOf(char letter) {
    return static_cast<char>(letter - 'a' + 'A');
}

} // namespace

void restoreLetters(TransState& state) {
    for (std::size_t i = 0; i < state.leafCount && i < kLeafTableSize; ++i) {
        const char alias = state.leaves.leafAlias[i];
        const char letter = state.leaves.leafLetter[i];
        if (alias != letter) {
            std::replace(state.workText.begin(), state.workText.end(), alias, letter);
        }
    }
    std::string& text = state.workText;
    if (text.size() >= 2 && text.front() == FormulaCode::Abierto) {
        text = text.substr(1, text.size() - 2);
    }
}

void renderAtoms(TransState& state) {
    const auto markers =
        static_cast<std::size_t>(std::count(state.workText.begin(), state.workText.end(), '['));
    std::size_t met = 0;
    std::size_t i = 0;
    while (met < markers && i < state.workText.size()) {
        const std::string& text = state.workText;
        if (text[i] != '[') {
            ++i;
            continue;
        }
        ++met;
        if (i < kMarkerBeforeBracket || i + 2 >= text.size()) {
            ++i;
            continue;
        }
        const char atom = text[i - 2];
        const char world = text[i + 1];
        std::string rendering;
        if (isLetter(atom)) {
            rendering = {predicateOf(atom), world};
        } else if (atom == FormulaCode::Falso) {
            rendering = "u~u";
        } else {
            ++i;
            continue;
        }
        const std::size_t markerStart = i - kMarkerBeforeBracket;
        state.workText = replaceFirst(text, text.substr(markerStart, kMarkerLength), rendering);
        appendSnapshot(state);
        i = markerStart + rendering.size();
    }
}

} // namespace zudaviror
