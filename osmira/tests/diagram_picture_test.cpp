// The pictures of the report: bounded in memory whatever rectangle a step holds.

#include "diagram_picture.h"

#include "osmira/element_factory.h"

#include <gtest/gtest.h>

#include <algorithm>
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
