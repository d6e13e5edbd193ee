#include "artwork.h"

#include "display.h"

#include "zudaviror/formula_code.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

#include <algorithm>

namespace zudaviror::app {

namespace {

constexpr int kSymbolKeySize = 40;

struct BadgeColours {
    QColor fill;
    QColor ink;
};

BadgeColours coloursOf(const SymbolKey& key) {
    const QColor blue(0x1f, 0x4f, 0xbf), yellow(0xff, 0xd8, 0x20);
    switch (key.group) {
    case KeyGroup::Atom:
        if (isFormulaVariable(key.code)) {
            return {QColor(0xf2, 0x8a, 0x1e), QColor(0x1a, 0x1a, 0x50)};
        }
        return {blue, yellow};
    case KeyGroup::Unary:
        return {QColor(0x6a, 0x2c, 0x91), QColor(0x5c, 0xf0, 0x7a)};
    case KeyGroup::Open:
    case KeyGroup::Close:
        return {QColor(0x2e, 0x8b, 0x3e), Qt::white};
    case KeyGroup::Binary:
        return {QColor(0xd9, 0x30, 0x2c), Qt::black};
    }
    return {blue, yellow};
}

QFont badgeFont(int pixelSize) {
    QFont font;
    font.setFamilies(QStringList{QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

// Opaque where the background is: such pictures are shown without blending.
QImage blankPicture(QSize size, const QColor& background) {
    QImage picture(size,
                   background.alpha() == 255 ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    picture.fill(background);
    return picture;
}

QRectF badgeRect(const QImage& picture) {
    return QRectF(picture.rect()).adjusted(1.5, 1.5, -1.5, -1.5);
}

QImage badge(QSize size, const BadgeColours& colours, const QString& text, const QFont& font) {
    QImage picture = blankPicture(size, Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF frame = badgeRect(picture);
    QLinearGradient shade(frame.topLeft(), frame.bottomLeft());
    shade.setColorAt(0, colours.fill.lighter(135));
    shade.setColorAt(1, colours.fill.darker(120));
    painter.setPen(QPen(colours.fill.darker(170), 1.5));
    painter.setBrush(shade);
    painter.drawRoundedRect(frame, 8, 8);
    painter.setPen(colours.ink);
    painter.setFont(font);
    painter.drawText(frame, Qt::AlignCenter, text);
    return picture;
}

// Grey copy of a picture: each pixel's grey level mapped to base + scale * grey.
QImage greyCopy(const QImage& picture, int base, double scale) {
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = base + static_cast<int>(scale * qGray(line[x]));
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
        }
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void drawSky(QPainter& painter, const QRect& area) {
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0.0, QColor(0x0b, 0x1d, 0x3a));
    sky.setColorAt(0.55, QColor(0x3b, 0x6e, 0xa5));
    sky.setColorAt(0.8, QColor(0xf2, 0xc2, 0x7b));
    sky.setColorAt(1.0, QColor(0xe0, 0x8a, 0x4a));
    painter.fillRect(area, sky);
    // Fixed pseudo-random stars, so the picture is the same on every build.
    unsigned seed = 20061208u;
    painter.setPen(Qt::NoPen);
    for (int star = 0; star < 90; ++star) {
        seed = seed * 1103515245u + 12345u;
        const int x = static_cast<int>((seed >> 8) % static_cast<unsigned>(area.width()));
        seed = seed * 1103515245u + 12345u;
        const int y = static_cast<int>((seed >> 8) % static_cast<unsigned>(area.height() / 2));
        painter.setBrush(QColor(255, 255, 240, 90 + static_cast<int>(seed % 150)));
        painter.drawEllipse(QPointF(x, y), 1.1, 1.1);
    }
}

// A range of hills from the left edge to the right, as heights in fractions of the picture:
// the left edge, two crests with the dips before them, and the right edge.
struct Ridge {
    double left, dip1, crest1, middle, dip2, crest2, right;
    QColor colour;
};

void drawRidge(QPainter& painter, const QRect& area, const Ridge& ridge) {
    const double w = area.width(), h = area.height();
    QPainterPath hills;
    hills.moveTo(0, h * ridge.left);
    hills.cubicTo(w * 0.2, h * ridge.dip1, w * 0.4, h * ridge.crest1, w * 0.6, h * ridge.middle);
    hills.cubicTo(w * 0.8, h * ridge.dip2, w * 0.92, h * ridge.crest2, w, h * ridge.right);
    hills.lineTo(w, h);
    hills.lineTo(0, h);
    painter.fillPath(hills, ridge.colour);
}

void drawHills(QPainter& painter, const QRect& area) {
    drawRidge(painter, area, {0.78, 0.66, 0.74, 0.70, 0.66, 0.72, 0.69, QColor(0x2a, 0x4a, 0x3a)});
    drawRidge(painter, area, {0.88, 0.80, 0.92, 0.84, 0.80, 0.86, 0.85, QColor(0x12, 0x26, 0x1c)});
}

void drawFaintSigns(QPainter& painter) {
    painter.setFont(badgeFont(46));
    painter.setPen(QColor(255, 255, 255, 55));
    const std::string_view signs = "!\"^`-";
    const QPoint places[] = {{40, 70}, {560, 60}, {12, 270}, {592, 270}, {300, 60}};
    for (std::size_t i = 0; i < signs.size(); ++i) {
        painter.drawText(places[i], signText(signs.substr(i, 1)));
    }
}

void drawTitle(QPainter& painter, const QRect& area) {
    const QRect panel(70, 120, area.width() - 140, 190);
    painter.setPen(QPen(QColor(255, 255, 255, 200), 2));
    painter.setBrush(QColor(255, 255, 255, 170));
    painter.drawRoundedRect(panel, 18, 18);
    painter.setPen(QColor(0x10, 0x22, 0x48));
    painter.setFont(namedSerifFontByHeight(QStringLiteral("Times New Roman"), 68));
    painter.drawText(panel.adjusted(0, 18, 0, -80), Qt::AlignCenter, QStringLiteral("ZUDAVIROR"));
    QFont subtitle = namedSerifFontByHeight(QStringLiteral("Times New Roman"), 42);
    subtitle.setItalic(true);
    painter.setFont(subtitle);
    painter.setPen(QColor(0x6a, 0x2c, 0x91));
    painter.drawText(panel.adjusted(0, 110, 0, -10), Qt::AlignCenter, QStringLiteral("de Lógicas"));
}

} // namespace

QImage drawSymbolKey(const SymbolKey& key) {
    const QString sign = signText(std::string_view(&key.code, 1));
    return badge(QSize(kSymbolKeySize, kSymbolKeySize), coloursOf(key), sign, badgeFont(22));
}

QImage drawCommandKey(const QString& word) {
    const QFont font = badgeFont(12);
    const int width = QFontMetrics(font).horizontalAdvance(word) + 22;
    return badge(QSize(width, 34), {QColor(0x2f, 0x4f, 0x6f), Qt::white}, word, font);
}

QImage drawLabel(const QString& words) {
    const QFont font = badgeFont(12);
    const QFontMetrics metrics(font);
    // The accent of a capital (Á, Ó) rises above the font's ascent: the picture takes the height of
    // the ink itself, with a pixel of room around it for the antialiased edges. Every label leaves
    // room for such an accent, so that labels side by side keep one baseline.
    const QRect letters = metrics.tightBoundingRect(words);
    const int accents = metrics.tightBoundingRect(QStringLiteral("ÁÉÍÓÚ")).top();
    const int top = std::min({-metrics.ascent(), letters.top() - 1, accents - 1});
    const int bottom = std::max(metrics.descent(), letters.bottom() + 2);
    const int left = 3 - std::min(0, letters.left() - 1);
    const int width = left + std::max(metrics.horizontalAdvance(words), letters.right() + 2) + 3;
    QImage picture = blankPicture(QSize(width, bottom - top + 5), Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QColor ink(0x9c, 0x1c, 0x1c);
    painter.setPen(ink);
    painter.setFont(font);
    painter.drawText(QPoint(left, -top), words);
    painter.setPen(QPen(ink.lighter(160), 1));
    painter.drawLine(3, picture.height() - 2, picture.width() - 3, picture.height() - 2);
    return picture;
}

QImage drawCover() {
    QImage picture = blankPicture(QSize(640, 480), Qt::black);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawSky(painter, picture.rect());
    drawFaintSigns(painter);
    drawHills(painter, picture.rect());
    drawTitle(painter, picture.rect());
    painter.setFont(badgeFont(14));
    painter.setPen(QColor(255, 255, 255, 230));
    painter.drawText(QRect(0, 430, 640, 30), Qt::AlignCenter,
                     QStringLiteral("Pulse INTRO o haga clic para comenzar  ·  ESC para salir"));
    return picture;
}

QImage drawIcon(int side) {
    side = std::max(1, side);
    return badge(QSize(side, side), {QColor(0x6a, 0x2c, 0x91), QColor(0x5c, 0xf0, 0x7a)}, signText("!\""),
                 badgeFont(std::max(1, side * 9 / 20)));
}

QImage drawDownKey(const QImage& up) {
    return greyCopy(up, 0, 0.55);
}

QImage drawFocusedKey(const QImage& up) {
    QImage picture = up;
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0xff, 0x9c, 0x00), 3));
    painter.drawRoundedRect(badgeRect(picture).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
    painter.drawRoundedRect(badgeRect(picture).adjusted(4, 4, -4, -4), 5, 5);
    return picture;
}

QImage drawDisabledKey(const QImage& up) {
    QImage picture = greyCopy(up, 120, 0.5);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x50, 0x50, 0x50, 150), 1.5));
    const QRectF frame = badgeRect(picture).adjusted(3, 3, -3, -3);
    painter.drawLine(frame.topLeft(), frame.bottomRight());
    painter.drawLine(frame.bottomLeft(), frame.topRight());
    return picture;
}

} // namespace zudaviror::app
