#include "display_text.h"

#include "osmira/formula/formula_alphabet.h"

namespace osmira::workbench {

namespace {

struct Sign {
    char byte;
    char16_t sign;
};

constexpr Sign kSigns[] = {
    {kNegation, u'\u00AC'},
    {kConjunction, u'\u2227'},
    {kDisjunction, u'\u2228'},
    {kImplication, u'\u2192'},
};

} // namespace

QString displayFormula(std::string_view latin1) {
    QString text;
    text.reserve(static_cast<qsizetype>(latin1.size()));
    for (const char byte : latin1) {
        QChar shown = QChar(static_cast<unsigned char>(byte));
        for (const Sign& sign : kSigns) {
            if (sign.byte == byte) {
                shown = QChar(sign.sign);
            }
        }
        text += shown;
    }
    return text;
}

std::string formulaBytes(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar character : text) {
        char byte = character.unicode() <= 0xFF ? static_cast<char>(character.unicode()) : '?';
        for (const Sign& sign : kSigns) {
            if (sign.sign == character.unicode()) {
                byte = sign.byte;
            }
        }
        bytes += byte;
    }
    return bytes;
}

} // namespace osmira::workbench
