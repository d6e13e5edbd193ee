#include "display.h"

#include "zudaviror/unicode_signs.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>

namespace zudaviror::app {

QString signText(std::string_view codes) {
    const std::string utf8 = toUnicodeSigns(codes);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString latin1Text(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

namespace {

QFont requested(const QString& family, const char* fallback) {
    QFont font;
    // Without the named face installed Qt ends at the fallback all the same, but only after asking
    // fontconfig for its substitutes of the name: asking for the fallback alone spares the start
    // those lookups.
    if (QFontDatabase::styles(family).isEmpty()) {
        font.setFamily(QString::fromLatin1(fallback));
    } else {
        font.setFamilies(QStringList{family, QString::fromLatin1(fallback)});
    }
    return font;
}

} // namespace

QFont zudavirorFont(int height) {
    QFont font = requested(QStringLiteral("Zudaviror"), "DejaVu Sans");
    font.setPixelSize(height);
    return font;
}

QFont namedFont(const QString& family, int pointSize) {
    QFont font = requested(family, "DejaVu Sans");
    font.setPointSize(pointSize);
    return font;
}

QFont namedSerifFontByHeight(const QString& family, int pixelHeight) {
    QFont font = requested(family, "DejaVu Serif");
    font.setPixelSize(pixelHeight);
    return font;
}

QPoint fromScreenCorner(int x, int y) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QPoint corner = screen != nullptr ? screen->availableGeometry().topLeft() : QPoint();
    return corner + QPoint(x, y);
}

QPalette whitePalette(QPalette palette) {
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Button, Qt::white);
    return palette;
}

} // namespace zudaviror::app
