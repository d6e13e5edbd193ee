#include "painter_canvas.h"

#include <QFontDatabase>
#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <mutex>

namespace osmira::render {

QColor qtColour(Colour colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

Colour modelColour(const QColor& colour) {
    return static_cast<Colour>(colour.red()) | static_cast<Colour>(colour.green()) << 8 |
           static_cast<Colour>(colour.blue()) << 16;
}

namespace {

// Asked of fontconfig once per face and process: every picture of a report has a canvas of its
// own, and the question took longer than drawing a small picture. Pictures may be drawn on a
// thread of their own.
bool faceInstalled(const QString& face) {
    static std::mutex mutex;
    static std::map<QString, bool> installed;
    const std::lock_guard lock(mutex);
    auto known = installed.find(face);
    if (known == installed.end()) {
        known = installed.emplace(face, QFontDatabase::hasFamily(face)).first;
    }
    return known->second;
}

} // namespace

QFont qtFont(const FontDescription& font) {
    const std::size_t length = strnlen(font.faceName.data(), font.faceName.size());
    const QString face = QString::fromLatin1(font.faceName.data(), static_cast<qsizetype>(length));
    QFont result(face);
    result.setStyleHint(QFont::SansSerif);
    if (!faceInstalled(face)) {
        result.setFamily(QStringLiteral("DejaVu Sans"));
    }
    if (font.height != 0) {
        result.setPixelSize(font.height < 0 ? -font.height : font.height);
    }
    // Logical-font weights run from 100 to 900 as Qt's do; 0 means the default.
    if (font.weight > 0) {
        result.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 100, 900)));
    }
    result.setItalic(font.italic != 0);
    result.setUnderline(font.underline != 0);
    result.setStrikeOut(font.strikeOut != 0);
    return result;
}

PainterCanvas::PainterCanvas(QPainter& painter) : painter_(painter) {
    selectPen(pen_);
    selectBrush(brush_);
}

Pen PainterCanvas::selectPen(const Pen& pen) {
    const Pen previous = pen_;
    pen_ = pen;
    if (pen.style == Pen::Style::Null) {
        painter_.setPen(Qt::NoPen);
    } else {
        QPen qtPen(qtColour(pen.color));
        qtPen.setWidth(pen.width);
        qtPen.setJoinStyle(Qt::MiterJoin);
        painter_.setPen(qtPen);
    }
    return previous;
}

Brush PainterCanvas::selectBrush(const Brush& brush) {
    const Brush previous = brush_;
    brush_ = brush;
    painter_.setBrush(qtColour(brush.color));
    return previous;
}

namespace {

// Qt's rectangle from `rect`'s top-left corner to its bottom-right one moved in by `inset`,
// taken from the corners: a width as a difference overflows for a rectangle spanning most of
// the 32-bit range.
QRect qtRect(const Rect& rect, int inset) {
    const auto inward = [inset](std::int32_t edge) {
        return static_cast<int>(std::max<std::int64_t>(std::int64_t{edge} - inset, INT32_MIN));
    };
    return {QPoint(rect.left, rect.top), QPoint(inward(rect.right), inward(rect.bottom))};
}

} // namespace

// A rectangle's right and bottom edges lie outside it, as the rectangles of the layout are
// meant; Qt's rectangles include them, and its shapes are drawn one pixel larger than their
// rectangle, hence two pixels in.
void PainterCanvas::drawRectangle(const Rect& rect) {
    painter_.drawRect(qtRect(rect, 2));
}

void PainterCanvas::drawEllipse(const Rect& rect) {
    painter_.drawEllipse(qtRect(rect, 2));
}

void PainterCanvas::drawShape(Shape shape, const Rect& rect, bool outline, bool fill) {
    if (!outline) {
        painter_.setPen(Qt::NoPen);
    }
    if (!fill) {
        painter_.setBrush(Qt::NoBrush);
    }
    if (shape == Shape::Ellipse) {
        PainterCanvas::drawEllipse(rect);
    } else {
        PainterCanvas::drawRectangle(rect);
    }
    selectPen(pen_);
    selectBrush(brush_);
}

void PainterCanvas::drawCentredText(const Rect& rect, const std::string& text, const FontDescription& font,
                                    Colour textColor) {
    if (fontAsked_ != font) {
        fontAsked_ = font;
        font_ = qtFont(font);
    }
    painter_.save();
    painter_.setFont(font_);
    painter_.setPen(qtColour(textColor));
    painter_.drawText(qtRect(rect, 1), Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip,
                      QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    painter_.restore();
}

} // namespace osmira::render
