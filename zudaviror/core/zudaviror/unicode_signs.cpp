#include "zudaviror/unicode_signs.h"

#include "zudaviror/formula_code.h"

#include <array>
#include <utility>

namespace zudaviror {

namespace {

constexpr std::array<std::pair<char, std::string_view>, 17> kSigns = {{
    {FormulaCode::Necesidad, "\u25A1"},        // box
    {FormulaCode::Posibilidad, "\u25C7"},      // diamond
    {FormulaCode::Negado, "\u00AC"},           // not
    {FormulaCode::Conjuncion, "\u2227"},       // and
    {FormulaCode::Disyuncion, "\u2228"},       // or
    {FormulaCode::Condicional, "\u2192"},      // arrow
    {FormulaCode::Bicondicional, "\u2194"},    // double arrow
    {FormulaCode::Universal, "\u2200"},        // for all
    {FormulaCode::Existencial, "\u2203"},      // exists
    {FormulaCode::Falso, "\u22A5"},            // falsum
    {FormulaCode::F1, "\u03C6"},               // phi
    {FormulaCode::F2, "\u03C8"},               // psi
    {FormulaCode::F3, "\u03B2"},               // beta
    {FormulaCode::F4, "\u03B1"},               // alpha
    {FormulaCode::Distinct, "\u2260"},         // so the falsum reads u != u
    {FormulaCode::LabelEquivalence, "\u2261"}, // the identity sign of the labels
    {FormulaCode::StepBullet, "\u2022"},       // bullet
}};

void appendLatin1AsUtf8(std::string& out, char code) {
    const auto byte = static_cast<unsigned char>(code);
    if (byte < 0x80) {
        out += code;
    } else {
        out += static_cast<char>(0xC0 | (byte >> 6));
        out += static_cast<char>(0x80 | (byte & 0x3F));
    }
}

} // namespace

std::string unicodeSign(char code) {
    for (const auto& [formulaCode, sign] : kSigns) {
        if (formulaCode == code) {
            return std::string(sign);
        }
    }
    std::string itself;
    appendLatin1AsUtf8(itself, code);
    return itself;
}

std::string toUnicodeSigns(std::string_view text) {
    std::string signs;
    signs.reserve(text.size() * 2);
    for (const char code : text) {
        signs += unicodeSign(code);
    }
    return signs;
}

std::string latin1ToUtf8(std::string_view text) {
    std::string utf8;
    utf8.reserve(text.size() + text.size() / 8);
    for (const char code : text) {
        appendLatin1AsUtf8(utf8, code);
    }
    return utf8;
}

} // namespace zudaviror
