// The pictures of the report: bounded in memory whatever rectangle a step holds.

#include "diagram_picture.h"
#include "scaled_down_canvas.h"
#include "test_support.h"

#include "osmira/model/drawing.h"
#include "osmira/model/element_factory.h"
#include "osmira/model/layout.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

using namespace osmira;

namespace {

struct SheetCase {
    const char* name;
    Rect sheet;
};

void PrintTo(const SheetCase& c, std::ostream* os) {
    *os << c.name;
}

class HugeSheet : public ::testing::TestWithParam<SheetCase> {};

TEST_P(HugeSheet, IsDrawnWithinThePixelBudget) {
    const Rect sheet = GetParam().sheet;
    COsmiraDoc step;
    CreateElement(step, defaultAppearances(), sheet, kEvenParity, 0, kSheetKind);
    const QImage picture = render::diagramPicture(step);
    ASSERT_FALSE(picture.isNull());
    EXPECT_LE(std::int64_t{picture.width()} * picture.height(), render::kLargestPicturePixels);
    EXPECT_LE(std::max(picture.width(), picture.height()), render::kWidestPicture);
    // Scaled alike in both directions, but for rounding.
    const double ratio = static_cast<double>(std::int64_t{sheet.right} - sheet.left) /
                         static_cast<double>(std::int64_t{sheet.bottom} - sheet.top);
    EXPECT_NEAR(picture.height(), picture.width() / ratio, std::max(1.0, 0.01 * picture.height()));
}

constexpr std::int32_t kLeast = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMost = std::numeric_limits<std::int32_t>::max();

INSTANTIATE_TEST_SUITE_P(Sheets, HugeSheet,
                         ::testing::Values(SheetCase{"ThirtyThousandUnitsSquare", {50, 50, 30050, 30050}},
                                           SheetCase{"AcrossThe32BitRange", {kLeast, kLeast, kMost, kMost}},
                                           // A long hypothesis: few pixels, too wide for a JPEG.
                                           SheetCase{"WiderThanAJpeg", {50, 50, 100050, 108}},
                                           SheetCase{"NearThe32BitLimit",
                                                     {kMost - 30000, kMost - 30000, kMost, kMost}}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

namespace {

// A∨B∨C∨… of `letters` letters as the conversion writes it: each disjunction a cut around the
// cut of the ones before and the cut of the next letter, nested as deep as it is long.
std::string nestedDisjunction(int letters) {
    std::string bracket = "A";
    for (int letter = 1; letter < letters; ++letter) {
        bracket = "[[" + bracket + "][" + static_cast<char>('A' + letter % 26) + "]]";
    }
    return "[" + bracket + "]";
}

struct ScaleCase {
    const char* name;
    std::string bracket;
    double scale;
    // How far a pixel's grey may be from it: outlines closer than a pixel, each as faint as its pen
    // is thin, were mostly hidden by the fills of those inside them; now they add up.
    int tolerance;
};

void PrintTo(const ScaleCase& c, std::ostream* os) {
    *os << c.name;
}

QImage paintedAt(const COsmiraDoc& step, double scale, bool onlySeen) {
    const Rect sheet = step.GetElements().front()->GetGraphic()->GetRect();
    QImage picture(static_cast<int>(std::ceil((sheet.right - sheet.left) * scale)),
                   static_cast<int>(std::ceil((sheet.bottom - sheet.top) * scale)), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.scale(scale, scale);
    painter.translate(-sheet.left, -sheet.top);
    if (onlySeen) {
        render::ScaledDownCanvas canvas(painter, scale);
        drawStep(step, canvas);
    } else {
        render::PainterCanvas canvas(painter);
        drawStep(step, canvas);
    }
    return picture;
}

class ScaledDown : public ::testing::TestWithParam<ScaleCase> {};

// What is left out could not be seen: against every shape painted as it is, the picture is the
// same, but where outlines lie closer than a pixel.
TEST_P(ScaledDown, ShowsWhatPaintingEveryShapeShows) {
    COsmiraDoc step;
    BuildDiagram(step, defaultAppearances(), GetParam().bracket);
    // Every seventh element marked, so that some fills differ from the area around them.
    const auto& elements = step.GetElements();
    for (std::size_t i = 3; i < elements.size(); i += 7) {
        elements[i]->GetGraphic()->Mark();
    }
    const QImage all = paintedAt(step, GetParam().scale, false);
    const QImage seen = paintedAt(step, GetParam().scale, true);
    int most = 0;
    for (int y = 0; y < all.height(); ++y) {
        for (int x = 0; x < all.width(); ++x) {
            most = std::max(most, std::abs(qGray(all.pixel(x, y)) - qGray(seen.pixel(x, y))));
        }
    }
    EXPECT_LE(most, GetParam().tolerance);
}

std::string randomForm(unsigned seed) {
    std::mt19937 random(seed);
    std::string bracket;
    while (bracket.size() < 400) {
        bracket += "[" + test::randomBracketForm(random, 7) + "]";
    }
    return bracket;
}

INSTANTIATE_TEST_SUITE_P(
    Diagrams, ScaledDown,
    ::testing::Values(ScaleCase{"RandomAtAHalf", randomForm(1), 0.5, 0},
                      ScaleCase{"RandomAtAFifth", randomForm(2), 0.2, 0},
                      ScaleCase{"RandomAtATwentieth", randomForm(3), 0.05, 0},
                      // The end cuts of a long one cross its outline.
                      ScaleCase{"WideCutAtAHalf", "[[[B]]" + std::string(60, 'C') + "[D]]", 0.5, 0},
                      // Cuts two pixels apart; then 0.4 and 0.08 of a pixel, in pens of 10 and 2
                      // 256ths; then pens too thin to show.
                      ScaleCase{"DisjunctionAtATenth", nestedDisjunction(150), 0.1, 0},
                      ScaleCase{"DisjunctionAtAFiftieth", nestedDisjunction(300), 0.02, 26},
                      ScaleCase{"DisjunctionAtA250th", nestedDisjunction(2000), 0.004, 26},
                      ScaleCase{"DisjunctionAtA1000th", nestedDisjunction(2000), 0.001, 0}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
