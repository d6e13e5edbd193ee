#include "osmira/export/tikz_writer.h"

#include "osmira/export/export_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace osmira {

namespace {

// Points to a hundredth, always with their unit: TikZ reads a bare number as centimetres.
std::string points(double value) {
    const double rounded = std::round(value * 100) / 100;
    return decimalText(rounded == 0 ? 0.0 : rounded) + "pt";
}

// Black and white by their names, which is what a reader of the source expects of a figure for
// paper; any other colour by its three parts.
std::string colour(Colour c) {
    if (c == 0x000000) {
        return "black";
    }
    if (c == 0xFFFFFF) {
        return "white";
    }
    return "{rgb,255:red," + std::to_string(c & 0xFFu) + ";green," + std::to_string((c >> 8) & 0xFFu) +
           ";blue," + std::to_string((c >> 16) & 0xFFu) + "}";
}

class TikzWriter {
  public:
    explicit TikzWriter(const Drawing& drawing)
        : origin_{drawing.bounds.left, drawing.bounds.top}, lettering_(drawing.lettering) {
        const double width = double(drawing.bounds.right) - drawing.bounds.left;
        scale_ =
            width * kTikzPointsPerUnit > kWidestTikzPicture ? kWidestTikzPicture / width : kTikzPointsPerUnit;
    }

    std::string shape(const DrawnShape& shape) const {
        switch (shape.kind) {
        case DrawnShape::Kind::Rectangle:
            return paint(shape) + " " + at(shape.rect.left, shape.rect.top) + " rectangle " +
                   at(shape.rect.right, shape.rect.bottom) + ";\n";
        case DrawnShape::Kind::Ellipse:
            return paint(shape) + " " + centre(shape.rect) +
                   " ellipse [x radius=" + points((double(shape.rect.right) - shape.rect.left) / 2 * scale_) +
                   ", y radius=" + points((double(shape.rect.bottom) - shape.rect.top) / 2 * scale_) + "];\n";
        case DrawnShape::Kind::Text:
            if (lettering_ == Lettering::Document) {
                return "\\node[inner sep=0pt" + letterScale() + "] at " + centre(shape.rect) + " {" +
                       documentLetter(shape.text) + "};\n";
            }
            return "\\node[inner sep=0pt, text=" + colour(shape.textColor) + ", font=" + font(shape.font) +
                   "] at " + centre(shape.rect) + " {" + latexText(shape.text) + "};\n";
        }
        return {};
    }

  private:
    // y grows downwards in the drawing and upwards on paper.
    std::string at(double x, double y) const {
        return "(" + points((x - origin_.x) * scale_) + ", " + points((origin_.y - y) * scale_) + ")";
    }

    std::string centre(const Rect& r) const {
        return at((double(r.left) + r.right) / 2, (double(r.top) + r.bottom) / 2);
    }

    std::string paint(const DrawnShape& shape) const {
        if (shape.pen.style == Pen::Style::Null || shape.pen.width <= 0) {
            return "\\fill[fill=" + colour(shape.brush.color) + "]";
        }
        std::string options =
            "draw=" + colour(shape.pen.color) + ", line width=" + points(shape.pen.width * scale_);
        if (shape.dashed) {
            const DashPattern dashes = dashPattern(shape.pen.width);
            options +=
                ", dash pattern=on " + points(dashes.on * scale_) + " off " + points(dashes.off * scale_);
        }
        return shape.hollow ? "\\draw[" + options + "]"
                            : "\\filldraw[fill=" + colour(shape.brush.color) + ", " + options + "]";
    }

    // The document's letters keep their size beside the picture's boxes: scaled down with it.
    std::string letterScale() const {
        const double scale = std::round(scale_ / kTikzPointsPerUnit * 1000) / 1000;
        return scale < 1 ? ", scale=" + decimalText(scale) : std::string();
    }

    // A capital as a formula's letter is set, in math italic; anything else in the text's italic.
    static std::string documentLetter(const std::string& text) {
        if (text.size() == 1 && text.front() >= 'A' && text.front() <= 'Z') {
            return "$" + text + "$";
        }
        return "\\textit{" + latexText(text) + "}";
    }

    // The window's faces are sans serif but for the Times and Courier families.
    std::string font(const FontDescription& f) const {
        const std::string face(f.faceName.data(), strnlen(f.faceName.data(), f.faceName.size()));
        std::string text = "{";
        if (f.height != 0) {
            const double size = std::abs(double(f.height)) * scale_;
            text += "\\fontsize{" + points(size) + "}{" + points(size * 1.2) + "}\\selectfont";
        }
        text += face.find("Times") != std::string::npos     ? "\\rmfamily"
                : face.find("Courier") != std::string::npos ? "\\ttfamily"
                                                            : "\\sffamily";
        text += f.weight >= 600 ? "\\bfseries" : "";
        text += f.italic != 0 ? "\\itshape" : "";
        return text + "}";
    }

    Point origin_;
    Lettering lettering_;
    double scale_ = kTikzPointsPerUnit;
};

} // namespace

std::string tikzPicture(const Drawing& drawing) {
    const TikzWriter writer(drawing);
    std::string picture = "\\begin{tikzpicture}\n";
    for (const DrawnShape& shape : drawing.shapes) {
        picture += writer.shape(shape);
    }
    return picture + "\\end{tikzpicture}\n";
}

} // namespace osmira
