#include "varquen/formula_file.h"

#include "varquen/messages.h"
#include "varquen/output_text.h"
#include "varquen/parse_codes.h"
#include "varquen/tokens.h"

#include <array>
#include <vector>

namespace varquen {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kFormulaHeader = "for";

struct Section {
    std::string_view header;
    std::vector<std::string> Declarations::*list;
};
constexpr std::array<Section, 4> kSections = {{{"uni", &Declarations::universes},
                                               {"var", &Declarations::variables},
                                               {"fun", &Declarations::functions},
                                               {"rel", &Declarations::relations}}};

bool isAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

} // namespace

FormulaFileWrite writeFormulaFile(const FormulaFile& file) {
    // The reader takes at most kMaxTextLength bytes after "for": a longer spelled formula could
    // never be read back whole.
    std::string spelledFormula = spellSymbols(file.formula);
    if (spelledFormula.size() > kMaxTextLength) {
        return {std::nullopt, messages::formulaTooLongToSave()};
    }
    std::string bytes;
    for (const Section& section : kSections) {
        const std::vector<std::string>& lines = file.declarations.*section.list;
        if (lines.empty()) {
            continue;
        }
        bytes += section.header;
        bytes += kLineEnd;
        for (const std::string& line : lines) {
            bytes += line;
            bytes += kLineEnd;
        }
    }
    bytes += kFormulaHeader;
    bytes += kLineEnd;
    bytes += spelledFormula;
    return {std::move(bytes), {}};
}

FormulaFileRead readFormulaFile(std::string_view bytes) {
    if (bytes.size() > kMaxFormulaFileSize) {
        return {std::nullopt, messages::fileTooLarge()};
    }
    FormulaFile file;
    std::vector<std::string>* current = nullptr;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find('\n', pos);
        const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end == std::string_view::npos) {
            end = bytes.size();
        }
        std::string_view line = bytes.substr(pos, end - pos);
        if (end < bytes.size() && !line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        pos = next;
        if (line.size() > kMaxTextLength) {
            return {std::nullopt, messages::fileLineTooLong()};
        }
        if (line == kFormulaHeader) {
            std::string_view formula = bytes.substr(pos);
            if (formula.size() > kMaxTextLength) {
                return {std::nullopt, messages::fileFormulaTooLong()};
            }
            file.formula = restoreSymbols(formula);
            return {std::move(file), {}};
        }
        bool isHeader = false;
        for (const Section& section : kSections) {
            if (line == section.header) {
                current = &(file.declarations.*section.list);
                isHeader = true;
            }
        }
        if (!isHeader && current != nullptr) {
            current->emplace_back(line);
        }
    }
    return {std::move(file), {}};
}

std::string restoreSymbols(std::string_view text) {
    static constexpr std::array<int, kKeywordCount> kOrder = {
        kExistsIndex, kForAllIndex, kNotIndex, kImpliesIndex, kAndIndex, kOrIndex, kEqualsIndex};
    std::string restored(text);
    for (int k : kOrder) {
        const std::string_view keyword = kKeywordNames[k];
        std::string replaced;
        std::size_t pos = 0;
        while (pos < restored.size()) {
            const bool wholeWord =
                restored.compare(pos, keyword.size(), keyword) == 0 &&
                (pos == 0 || !isAsciiLetter(restored[pos - 1])) &&
                (pos + keyword.size() == restored.size() || !isAsciiLetter(restored[pos + keyword.size()]));
            if (wholeWord) {
                replaced += SymbolChars[k];
                pos += keyword.size();
            } else {
                replaced += restored[pos++];
            }
        }
        restored = std::move(replaced);
    }
    return restored;
}

} // namespace varquen
