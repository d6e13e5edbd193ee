#include "osmira/export/svg_writer.h"

#include "osmira/export/export_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace osmira {

namespace {

std::string attribute(const char* name, const std::string& value) {
    return std::string(" ") + name + "=\"" + value + "\"";
}

std::string number(double value) {
    return decimalText(value);
}

std::string paint(const DrawnShape& shape) {
    std::string text = attribute("fill", shape.hollow ? "none" : htmlColour(shape.brush.color));
    if (shape.pen.style == Pen::Style::Null || shape.pen.width <= 0) {
        return text + attribute("stroke", "none");
    }
    text += attribute("stroke", htmlColour(shape.pen.color)) +
            attribute("stroke-width", std::to_string(shape.pen.width));
    if (shape.dashed) {
        const DashPattern dashes = dashPattern(shape.pen.width);
        text += attribute("stroke-dasharray", number(dashes.on) + "," + number(dashes.off));
    }
    return text;
}

std::string rectangle(const DrawnShape& shape) {
    const Rect& r = shape.rect;
    return "<rect" + attribute("x", std::to_string(r.left)) + attribute("y", std::to_string(r.top)) +
           attribute("width", number(double(r.right) - r.left)) +
           attribute("height", number(double(r.bottom) - r.top)) + paint(shape) + "/>\n";
}

std::string ellipse(const DrawnShape& shape) {
    const Rect& r = shape.rect;
    return "<ellipse" + attribute("cx", number((double(r.left) + r.right) / 2)) +
           attribute("cy", number((double(r.top) + r.bottom) / 2)) +
           attribute("rx", number((double(r.right) - r.left) / 2)) +
           attribute("ry", number((double(r.bottom) - r.top) / 2)) + paint(shape) + "/>\n";
}

std::string fontSize(const FontDescription& font) {
    return font.height == 0
               ? std::string()
               : attribute("font-size",
                           std::to_string(font.height < 0 ? -std::int64_t{font.height} : font.height));
}

// The face asked for, then the fallbacks the window uses; for paper, an italic serif at the
// appearance's size.
std::string fontAttributes(const FontDescription& font, Lettering lettering) {
    if (lettering == Lettering::Document) {
        return attribute("font-family", "'Latin Modern Roman', 'Times New Roman', 'DejaVu Serif', serif") +
               fontSize(font) + attribute("font-style", "italic");
    }
    const std::size_t length = strnlen(font.faceName.data(), font.faceName.size());
    std::string family = xmlText(std::string_view(font.faceName.data(), length));
    family = (family.empty() ? "" : "'" + family + "', ") + "'DejaVu Sans', sans-serif";
    std::string text = attribute("font-family", family) + fontSize(font);
    if (font.weight > 0) {
        // SVG 1.1 knows only the hundreds.
        text +=
            attribute("font-weight", std::to_string((std::clamp(font.weight, 100, 900) + 50) / 100 * 100));
    }
    if (font.italic != 0) {
        text += attribute("font-style", "italic");
    }
    if (font.underline != 0 || font.strikeOut != 0) {
        const std::string decoration = std::string(font.underline != 0 ? "underline" : "") +
                                       (font.underline != 0 && font.strikeOut != 0 ? " " : "") +
                                       (font.strikeOut != 0 ? "line-through" : "");
        text += attribute("text-decoration", decoration);
    }
    return text;
}

// Centred both ways on the rectangle's centre: the anchor takes the middle, the shift of a
// third of an em brings the middle of capitals onto the baseline's place.
std::string text(const DrawnShape& shape, Lettering lettering) {
    const Rect& r = shape.rect;
    return "<text" + attribute("x", number((double(r.left) + r.right) / 2)) +
           attribute("y", number((double(r.top) + r.bottom) / 2)) + attribute("dy", "0.35em") +
           attribute("text-anchor", "middle") + fontAttributes(shape.font, lettering) +
           attribute("fill", htmlColour(shape.textColor)) + ">" + xmlText(shape.text) + "</text>\n";
}

std::string shapeElement(const DrawnShape& shape, Lettering lettering) {
    switch (shape.kind) {
    case DrawnShape::Kind::Rectangle:
        return rectangle(shape);
    case DrawnShape::Kind::Ellipse:
        return ellipse(shape);
    case DrawnShape::Kind::Text:
        return text(shape, lettering);
    }
    return {};
}

// Half the widest outline reaches beyond the bounds.
std::int64_t penReach(const Drawing& drawing) {
    std::int64_t widest = 0;
    for (const DrawnShape& shape : drawing.shapes) {
        if (shape.pen.style == Pen::Style::Solid) {
            widest = std::max<std::int64_t>(widest, shape.pen.width);
        }
    }
    return (widest + 1) / 2;
}

} // namespace

std::string svgElement(const Drawing& drawing, std::optional<int> widest) {
    const std::int64_t reach = penReach(drawing);
    const std::int64_t left = std::int64_t{drawing.bounds.left} - reach;
    const std::int64_t top = std::int64_t{drawing.bounds.top} - reach;
    const std::int64_t width = std::int64_t{drawing.bounds.right} - drawing.bounds.left + 2 * reach;
    const std::int64_t height = std::int64_t{drawing.bounds.bottom} - drawing.bounds.top + 2 * reach;
    const double scale = widest && width > *widest ? double(*widest) / double(width) : 1.0;
    // Tenths of a pixel are as fine as a page shows.
    const auto scaled = [scale](std::int64_t extent) {
        return number(std::round(double(extent) * scale * 10) / 10);
    };
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\"" +
                      attribute("width", scaled(width)) + attribute("height", scaled(height)) +
                      attribute("viewBox", std::to_string(left) + " " + std::to_string(top) + " " +
                                               std::to_string(width) + " " + std::to_string(height)) +
                      ">\n";
    for (const DrawnShape& shape : drawing.shapes) {
        svg += shapeElement(shape, drawing.lettering);
    }
    return svg + "</svg>\n";
}

std::string svgDocument(const Drawing& drawing) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
           "<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\" "
           "\"http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd\">\n" +
           svgElement(drawing);
}

} // namespace osmira
