#include "zudaviror/unicode_signs.h"

#include "suite/latin1.h"
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

} // namespace

std::string unicodeSign(char code) {
    for (const auto& [formulaCode, sign] : kSigns) {
        if (formulaCode == code) {
            return std::string(sign);
        }
    }
    return suite::utf8FromLatin1(std::string_view(&code, 1));
}

std::string toUnicodeSigns(std::string_view text) {
    std::string signs;
    signs.reserve(text.size() * 2);
    for (const char code : text) {
        signs += unicodeSign(code);
    }
    return signs;
}

} // namespace zudaviror
