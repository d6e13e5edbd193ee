#include "zudaviror/text_operations.h"

#include "zudaviror/formula_code.h"

namespace zudaviror {

std::string replaceFirst(std::string_view text, std::string_view pattern, std::string_view replacement) {
    const auto position = text.find(pattern);
    if (position == std::string_view::npos) {
        return std::string(text);
    }
    std::string result;
    result.reserve(text.size() - pattern.size() + replacement.size());
    result.append(text.substr(0, position));
    result.append(replacement);
    result.append(text.substr(position + pattern.size()));
    return result;
}

bool isBalanced(std::string_view text) {
    long depth = 0;
    for (const char code : text) {
        if (code == FormulaCode::Abierto) {
            ++depth;
        } else if (code == FormulaCode::Cerrado) {
            --depth;
        }
    }
    return depth == 0;
}

std::size_t mainConnective(std::string_view text) {
    long depth = 0;
    for (std::size_t position = 0; position < text.size(); ++position) {
        const char code = text[position];
        if (code == FormulaCode::Abierto) {
            ++depth;
        } else if (code == FormulaCode::Cerrado) {
            --depth;
        }
        if (depth == 1 && isBinaryConnective(code)) {
            return position;
        }
    }
    return 0;
}

std::string_view leftOperand(std::string_view text, std::size_t k) {
    if (k < 1 || k > text.size()) {
        return {};
    }
    return text.substr(1, k - 1);
}

std::string_view rightOperand(std::string_view text, std::size_t k) {
    if (k + 2 > text.size()) {
        return {};
    }
    return text.substr(k + 1, text.size() - k - 2);
}

} // namespace zudaviror
