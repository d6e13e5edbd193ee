#include "zudaviror/world_passes.h"

#include "zudaviror/formula_code.h"
#include "zudaviror/modal_prefix.h"
#include "zudaviror/text_operations.h"

#include <algorithm>
#include <optional>

namespace zudaviror {

namespace {

// Position of the first ')' at or after start at which the depth, counted from start,
// is 1 after counting: the end of the operand of a just expanded modal prefix.
std::optional<std::size_t> modalOperandEnd(const std::string& text, std::size_t start) {
    long depth = 0;
    for (std::size_t position = start; position < text.size(); ++position) {
        if (text[position] == FormulaCode::Abierto) {
            ++depth;
        } else if (text[position] == FormulaCode::Cerrado && --depth == 1) {
            return position;
        }
    }
    return std::nullopt;
}

// Position of the ')' that closes the scope whose body starts at start.
std::optional<std::size_t> scopeEnd(const std::string& text, std::size_t start) {
    long depth = 0;
    for (std::size_t position = start; position < text.size(); ++position) {
        if (text[position] == FormulaCode::Abierto) {
            ++depth;
        } else if (text[position] == FormulaCode::Cerrado && --depth == -1) {
            return position;
        }
    }
    return std::nullopt;
}

bool containsQuantifier(std::string_view text) {
    return std::any_of(text.begin(), text.end(), isQuantifier);
}

// Every world letter moves one place on in the sequence u v w ... n.
std::string shiftWorldLetters(std::string_view body) {
    std::string shifted(body);
    for (char& code : shifted) {
        const auto index = worldLetterIndex(code);
        if (index && *index + 1 < kWorldLetters.size()) {
            code = kWorldLetters[*index + 1];
        }
    }
    return shifted;
}

// The world letter of text that comes latest in the sequence u v w ... n.
std::optional<std::size_t> latestWorldLetter(std::string_view text) {
    std::optional<std::size_t> latest;
    for (const char code : text) {
        const auto index = worldLetterIndex(code);
        if (index && (!latest || *index > *latest)) {
            latest = index;
        }
    }
    return latest;
}

std::string moveToBoundWorld(std::string_view head, std::string_view body) {
    std::string moved(body);
    const auto bound = latestWorldLetter(head);
    const auto current = latestWorldLetter(body);
    if (bound && current && *bound != *current) {
        std::replace(moved.begin(), moved.end(), kWorldLetters[*current], kWorldLetters[*bound]);
    }
    return moved;
}

constexpr std::size_t kHeadBeforeRelation = 3; // quantifier, bound letter, '('
constexpr std::size_t kHeadLength = 7;

} // namespace

void expandModalCompound(TransState& state) {
    for (std::size_t position = 0; position < state.workText.size(); ++position) {
        const char op = state.workText[position];
        if (!isModalOperator(op)) {
            continue;
        }
        state.workText = replaceFirst(state.workText, std::string(1, op), modalPrefix(op));
        const auto operandEnd = modalOperandEnd(state.workText, position);
        if (!operandEnd) {
            continue;
        }
        state.workText.insert(*operandEnd + 1, 1, FormulaCode::Cerrado);
        appendSnapshot(state);
    }
}

void markWorld(TransState& state) {
    for (std::size_t i = 0; i + 2 < state.workText.size(); ++i) {
        const std::string& text = state.workText;
        const bool atomGroup = text[i] == FormulaCode::Abierto && text[i + 2] == FormulaCode::Cerrado;
        const bool worldMarked = i + 3 < text.size() && text[i + 3] == '[';
        if (atomGroup && !worldMarked) {
            const std::string group = text.substr(i, 3);
            state.workText = replaceFirst(text, group, group + "[u]");
            appendSnapshot(state);
        }
    }
}

void renameWorldVariables(TransState& state) {
    for (std::size_t i = kHeadBeforeRelation; i + 4 < state.workText.size(); ++i) {
        const std::string& text = state.workText;
        if (text[i] != FormulaCode::Accessibility || text[i - 1] != FormulaCode::Abierto) {
            continue;
        }
        const std::size_t bodyStart = i + 4;
        const auto end = scopeEnd(text, bodyStart);
        if (!end) {
            continue;
        }
        const std::string head = text.substr(i - kHeadBeforeRelation, kHeadLength);
        const std::string body = text.substr(bodyStart, *end - bodyStart + 1);
        if (containsQuantifier(body)) {
            // Nested scopes are only moved one world on here; each is settled when
            // the scan reaches it.
            state.workText = replaceFirst(text, body, shiftWorldLetters(body));
        } else {
            state.workText = replaceFirst(text, body, moveToBoundWorld(head, body));
            appendSnapshot(state);
        }
    }
}

} // namespace zudaviror
