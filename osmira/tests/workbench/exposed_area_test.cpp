// Which elements a paint draws: every pixel an element draws, whatever its pen and font, lies
// in an area that reaches it. The oracle is the element drawn alone on a white picture.

#include "exposed_area.h"
#include "painter_canvas.h"
#include "test_support.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace osmira::workbench {
namespace {

struct AppearanceCase {
    const char* name;
    std::int32_t penWidth; // 0 keeps the default
    std::int32_t fontHeight;
};

void PrintTo(const AppearanceCase& c, std::ostream* os) {
    *os << c.name;
}

class ExposedAreaOf : public ::testing::TestWithParam<AppearanceCase> {};

TEST_P(ExposedAreaOf, EveryDrawnPixelIsReached) {
    const AppearanceCase& c = GetParam();
    RecordingWorkbench workbench;
    // A wide letter, a cut and the sheet; far from the picture's edges so that nothing is cut off.
    auto exercise = test::exerciseAt("W[M]", workbench);
    for (const auto& element : exercise->GetSteps().front()->GetElements()) {
        CElemGrafico& graphic = *element->GetGraphic();
        ElementAppearance appearance = graphic.GetAppearance();
        appearance.penWidth = c.penWidth != 0 ? c.penWidth : appearance.penWidth;
        appearance.font.height = c.fontHeight;
        graphic.SetAppearance(appearance);

        QImage picture(400, 300, QImage::Format_RGB32);
        picture.fill(Qt::white);
        {
            QPainter painter(&picture);
            render::PainterCanvas canvas(painter);
            graphic.Draw(canvas);
        }
        const std::string what = graphic.className();
        int drawn = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                if (picture.pixel(x, y) != qRgb(255, 255, 255)) {
                    ++drawn;
                    ASSERT_TRUE(ExposedArea(QRect(x, y, 1, 1)).reaches(*element))
                        << what << " at " << x << "," << y;
                }
            }
        }
        EXPECT_GT(drawn, 0) << what;
        const Rect rect = graphic.GetRect();
        EXPECT_FALSE(ExposedArea(QRect(rect.right + 200, rect.top, 10, 10)).reaches(*element)) << what;
        EXPECT_FALSE(ExposedArea(QRect(rect.left, rect.bottom + 200, 10, 10)).reaches(*element)) << what;
    }
}

INSTANTIATE_TEST_SUITE_P(ExposedArea, ExposedAreaOf,
                         ::testing::Values(AppearanceCase{"DefaultLook", 0, -13},
                                           AppearanceCase{"ThickPen", 15, -13},
                                           AppearanceCase{"LetterLargerThanItsCell", 0, -70},
                                           AppearanceCase{"FontOfTheDefaultSize", 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace osmira::workbench
