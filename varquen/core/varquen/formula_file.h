#pragma once

#include "varquen/declarations.h"

#include <optional>
#include <string>
#include <string_view>

namespace varquen {

// What a formula file holds: the four lists and the formula, symbols as bytes.
struct FormulaFile {
    Declarations declarations;
    std::string formula;

    bool operator==(const FormulaFile&) const = default;
};

struct FormulaFileWrite {
    std::optional<std::string> bytes; // empty when refused
    std::string reason;               // why, in Latin-1
};

struct FormulaFileRead {
    std::optional<FormulaFile> value; // empty when refused
    std::string reason;               // why, in Latin-1
};

// Sections "uni", "var", "fun", "rel" for the non-empty lists, then "for" and the formula with
// every symbol spelled " keyword "; CR LF line ends. Refuses a formula whose spelled form passes
// 4095 characters, which readFormulaFile would refuse.
FormulaFileWrite writeFormulaFile(const FormulaFile& file);

// Refuses a file of more than kMaxFormulaFileSize bytes. Reads CR LF or LF lines: lines before the first
// section are dropped, reading lines stops at "for" and the rest is the formula, whose whole-word keywords
// become symbol bytes. Without a "for" line the lists read so far stay and the formula is empty. Refuses a
// line or a formula beyond 4095 characters instead of cutting it.
FormulaFileRead readFormulaFile(std::string_view bytes);

// Replaces each keyword standing as a whole word (no ASCII letter on either side) by its symbol,
// keywords taken in the order existe, paratodo, not, imp, and, or, e.
std::string restoreSymbols(std::string_view text);

} // namespace varquen
