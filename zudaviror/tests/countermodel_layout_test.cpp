// The countermodel's drawing for one to eight worlds (and twelve) with every arrow, with pairs of
// worlds that see each other, and with loops only: no text, circle, loop, arrow or the legend
// lies on another part, and everything lies within the drawing.
#include "countermodel_layout.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <ostream>
#include <string>

namespace zudaviror {

namespace {

enum class Arrows { All, SymmetricPairs, LoopsOnly };

struct LayoutCase {
    std::size_t worlds;
    Arrows arrows;
};

std::string caseName(const LayoutCase& c) {
    const char* shape = c.arrows == Arrows::All              ? "EveryArrow"
                        : c.arrows == Arrows::SymmetricPairs ? "SymmetricPairs"
                                                             : "LoopsOnly";
    return "Worlds" + std::to_string(c.worlds) + shape;
}

void PrintTo(const LayoutCase& c, std::ostream* out) {
    *out << caseName(c);
}

std::vector<LayoutCase> layoutCases() {
    std::vector<LayoutCase> cases;
    for (const std::size_t worlds : {1, 2, 3, 4, 5, 6, 7, 8, 12}) {
        for (const Arrows arrows : {Arrows::All, Arrows::SymmetricPairs, Arrows::LoopsOnly}) {
            cases.push_back({worlds, arrows});
        }
    }
    return cases;
}

// Worlds with one letter, with none (shown "—") and with every letter and formula variable, in turn.
KripkeModel modelOf(const LayoutCase& c) {
    KripkeModel model{c.worlds, {}, {}, c.worlds - 1};
    for (std::size_t from = 0; from < c.worlds; ++from) {
        model.valuation.push_back(std::array<const char*, 3>{"p", "", "pqrst%$;'"}[from % 3]);
        for (std::size_t to = 0; to < c.worlds; ++to) {
            const bool pair = (from + 1) % c.worlds == to || (to + 1) % c.worlds == from;
            if ((c.arrows == Arrows::All) || (from == to) || (c.arrows == Arrows::SymmetricPairs && pair)) {
                model.arrows.emplace_back(from, to);
            }
        }
    }
    return model;
}

// A part of the drawing, as the area it covers, and the worlds it may touch.
struct Part {
    std::string what;
    QPainterPath area;
    std::vector<std::size_t> touches;
};

QPainterPath boxArea(const QRectF& box) {
    QPainterPath area;
    area.addRect(box);
    return area;
}

std::vector<Part> partsOf(const app::CountermodelLayout& layout) {
    std::vector<Part> parts;
    for (std::size_t world = 0; world < layout.worlds.size(); ++world) {
        const app::WorldPlace& place = layout.worlds[world];
        QPainterPath circle;
        circle.addEllipse(place.circle());
        parts.push_back({"circle " + std::to_string(world), circle, {world}});
        parts.push_back({"letters " + std::to_string(world), boxArea(place.lettersBox), {}});
    }
    for (const app::ArrowPlace& arrow : layout.arrows) {
        QPainterPath area = app::strokeArea(arrow.line, 1.2);
        for (const QPolygonF& head : arrow.heads) {
            area.addPolygon(head);
        }
        area.setFillRule(Qt::WindingFill);
        parts.push_back({"arrow " + std::to_string(arrow.from) + "-" + std::to_string(arrow.to),
                         area,
                         {arrow.from, arrow.to}});
    }
    for (const app::LoopPlace& loop : layout.loops) {
        parts.push_back({"loop " + std::to_string(loop.world), app::loopArea(loop, 1.2), {loop.world}});
    }
    parts.push_back({"legend", boxArea(layout.legend.area), {}});
    return parts;
}

bool mayMeet(const Part& a, const Part& b) {
    const bool arrows = a.what.starts_with("arrow") && b.what.starts_with("arrow");
    const auto touchesCircle = [](const Part& part, const Part& circle) {
        return circle.what.starts_with("circle") && !part.touches.empty() &&
               std::find(part.touches.begin(), part.touches.end(), circle.touches.front()) !=
                   part.touches.end();
    };
    return arrows || touchesCircle(a, b) || touchesCircle(b, a);
}

class CountermodelLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(CountermodelLayoutTest, NoPartLiesOnAnother) {
    const KripkeModel model = modelOf(GetParam());
    const app::CountermodelLayout layout =
        app::layOutCountermodel(model, QFontMetricsF(QApplication::font()));
    ASSERT_EQ(layout.worlds.size(), model.worldCount);
    const QRectF drawing(QPointF(0, 0), layout.size);
    for (const app::WorldPlace& place : layout.worlds) {
        const QRectF name = place.nameBox;
        for (const QPointF corner :
             {name.topLeft(), name.topRight(), name.bottomLeft(), name.bottomRight()}) {
            const QPointF off = corner - place.centre;
            EXPECT_LE(std::hypot(off.x(), off.y()), place.radius - 4)
                << "the number " << place.name.toStdString() << " within the inner circle";
        }
    }
    const std::vector<Part> parts = partsOf(layout);
    for (std::size_t a = 0; a < parts.size(); ++a) {
        EXPECT_TRUE(drawing.contains(parts[a].area.boundingRect())) << parts[a].what << " within the drawing";
        for (std::size_t b = a + 1; b < parts.size(); ++b) {
            if (!mayMeet(parts[a], parts[b])) {
                EXPECT_FALSE(parts[a].area.intersects(parts[b].area))
                    << parts[a].what << " on " << parts[b].what;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Models, CountermodelLayoutTest, ::testing::ValuesIn(layoutCases()),
                         [](const auto& info) { return caseName(info.param); });

} // namespace
} // namespace zudaviror
