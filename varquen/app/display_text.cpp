#include "display_text.h"

#include "varquen/symbol_signs.h"
#include "varquen/tokens.h"

#include <QFontDatabase>
#include <QStringList>

namespace varquen::app {

namespace {

QString sign(int k) {
    return QString::fromUtf8(kSymbolSigns[k].data(), static_cast<qsizetype>(kSymbolSigns[k].size()));
}

int signIndex(QChar c) {
    for (int k = 0; k < kKeywordCount; ++k) {
        if (sign(k) == c) {
            return k;
        }
    }
    return -1;
}

} // namespace

QString displayFromModel(const std::string& bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes) {
        const int k = symbolIndex(c);
        text += k >= 0 ? sign(k) : QChar(static_cast<unsigned char>(c));
    }
    return text;
}

std::string modelFromDisplay(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        const int k = signIndex(c);
        if (k >= 0) {
            bytes += SymbolChars[k];
        } else {
            bytes += c.unicode() <= 0xFF ? static_cast<char>(c.unicode()) : '?';
        }
    }
    return bytes;
}

bool hasOnlyModelCharacters(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() > 0xFF && signIndex(c) < 0) {
            return false;
        }
    }
    return true;
}

QString signsForTyping(const QString& text) {
    QString typed;
    for (QChar c : text) {
        if (c.unicode() <= 0xFF) {
            const int k = symbolIndex(static_cast<char>(c.unicode()));
            typed += k >= 0 ? sign(k) : c;
        } else if (signIndex(c) >= 0) {
            typed += c;
        }
    }
    return typed;
}

QFont systemFont(const QString& family, int pixelSize) {
    const QString fallback = QStringLiteral("DejaVu Sans");
    QFont font;
    // Without the named face installed Qt ends at the fallback all the same, but only after
    // asking fontconfig for its substitutes of the name: asking for the fallback alone spares the
    // window's start those lookups.
    if (QFontDatabase::styles(family).isEmpty()) {
        font.setFamily(fallback);
    } else {
        font.setFamilies(QStringList{family, fallback});
    }
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace varquen::app
