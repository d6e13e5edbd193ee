// The element tree and the layout built from bracket forms, the drawn elements on a
// recording canvas, and what is rebuilt from an element list.

#include "test_support.h"

#include "osmira/bracket/bracket_form.h"
#include "osmira/model/element_factory.h"
#include "osmira/model/element_list.h"
#include "osmira/model/layout.h"

#include <gtest/gtest.h>

using namespace osmira;

namespace {

// One element as "<kind><letter> depth parity left,top,right,bottom".
std::string describe(const CElemento& element) {
    const char* kind = element.kind() == ElementKind::Sheet ? "H"
                       : element.kind() == ElementKind::Cut ? "C"
                                                            : "L";
    Rect r = element.GetGraphic()->GetRect();
    std::string letter = element.kind() == ElementKind::Letter ? std::string(1, element.GetLetter()) : "";
    return kind + letter + " " + std::to_string(element.GetDepth()) + " " +
           std::to_string(element.GetParity()) + " " + std::to_string(r.left) + "," + std::to_string(r.top) +
           "," + std::to_string(r.right) + "," + std::to_string(r.bottom);
}

std::vector<std::string> layout(const std::string& bracket, COsmiraDoc& diagram) {
    BuildDiagram(diagram, defaultAppearances(), bracket);
    std::vector<std::string> lines;
    for (const auto& element : diagram.GetElements()) {
        lines.push_back(describe(*element));
    }
    return lines;
}

struct LayoutCase {
    const char* name;
    const char* bracket;
    std::vector<std::string> elements;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.name;
}

class DiagramLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(DiagramLayout, PlacesEveryElement) {
    COsmiraDoc diagram;
    EXPECT_EQ(layout(GetParam().bracket, diagram), GetParam().elements);
    EXPECT_EQ(bracketFormOf(diagram), GetParam().bracket);
    EXPECT_TRUE(hasDiagramStructure(diagram));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, DiagramLayout,
    ::testing::Values(
        LayoutCase{"EmptySheet", "", {"H 0 1 50,50,70,68"}},
        LayoutCase{"EmptyCut", "[]", {"H 0 1 50,50,110,108", "C 0 2 70,70,90,88"}},
        LayoutCase{"TwoLetters", "AB", {"H 0 1 50,50,150,108", "LA 0 1 70,70,90,88", "LB 0 1 110,70,130,88"}},
        LayoutCase{
            "CutThenLetter",
            "[A]B",
            {"H 0 1 50,50,190,148", "C 0 2 70,70,130,128", "LA 1 2 90,90,110,108", "LB 0 1 150,90,170,108"}},
        LayoutCase{"Implication",
                   "[A[B]]",
                   {"H 0 1 50,50,230,188", "C 0 2 70,70,210,168", "LA 1 2 90,110,110,128",
                    "C 1 1 130,90,190,148", "LB 2 1 150,110,170,128"}},
        LayoutCase{
            "DoubleNegation",
            "[[A]]",
            {"H 0 1 50,50,190,188", "C 0 2 70,70,170,168", "C 1 1 90,90,150,148", "LA 2 1 110,110,130,128"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ElementTree, ChildrenFollowTheNesting) {
    COsmiraDoc diagram;
    layout("[A]B", diagram);
    const auto& e = diagram.GetElements();
    EXPECT_EQ(e[0]->GetChildren(), (std::vector<CElemento*>{e[1].get(), e[3].get()}));
    EXPECT_EQ(e[1]->GetChildren(), (std::vector<CElemento*>{e[2].get()}));
    EXPECT_TRUE(e[2]->GetChildren().empty());
    EXPECT_EQ(e[1]->GetLetter(), ' ');
    EXPECT_EQ(e[0]->GetLetter(), ' ');
}

TEST(ElementTree, LettersIgnoreChildrenAndCutsIgnoreLetters) {
    COsmiraDoc diagram;
    layout("[A]", diagram);
    CElemento& cut = *diagram.GetElements()[1];
    CElemento& letter = *diagram.GetElements()[2];
    letter.AddChild(&cut);
    cut.SetLetter('Z');
    EXPECT_TRUE(letter.GetChildren().empty());
    EXPECT_EQ(cut.GetLetter(), ' ');
    EXPECT_EQ(CreateElement(diagram, defaultAppearances(), {}, 1, 0, 'X'), nullptr);
    EXPECT_EQ(diagram.GetElements().size(), 3u);
}

TEST(ElementTree, RebuiltChildrenMatchTheLayoutsChildren) {
    for (const char* bracket : {"[A]B", "[[A][B]]C[A[B[C]]D]", "A[[]][B[[C]]]D"}) {
        COsmiraDoc diagram;
        layout(bracket, diagram);
        std::vector<std::vector<CElemento*>> laidOut;
        for (const auto& element : diagram.GetElements()) {
            laidOut.push_back(element->GetChildren());
        }
        rebuildChildren(diagram);
        for (size_t i = 0; i < laidOut.size(); ++i) {
            EXPECT_EQ(diagram.GetElements()[i]->GetChildren(), laidOut[i]) << bracket << " element " << i;
        }
    }
}

TEST(ElementTree, StructureCheckRefusesListsNoLayoutMakes) {
    auto list = [](std::vector<std::tuple<char, int, int>> items) {
        auto diagram = std::make_unique<COsmiraDoc>();
        for (auto [kind, parity, depth] : items) {
            CElemento* element = CreateElement(*diagram, defaultAppearances(), {}, parity, depth, kind);
            if (kind == 'L') {
                element->SetLetter('A');
            }
        }
        return diagram;
    };
    EXPECT_TRUE(hasDiagramStructure(*list({{'H', 1, 0}, {'C', 2, 0}, {'L', 2, 1}})));
    EXPECT_FALSE(hasDiagramStructure(*list({})));
    EXPECT_FALSE(hasDiagramStructure(*list({{'C', 2, 0}})));
    EXPECT_FALSE(hasDiagramStructure(*list({{'H', 1, 0}, {'H', 1, 0}})));
    EXPECT_FALSE(hasDiagramStructure(*list({{'H', 1, 0}, {'L', 2, 1}})));
    EXPECT_FALSE(hasDiagramStructure(*list({{'H', 1, 0}, {'C', 1, 0}})));
    EXPECT_FALSE(hasDiagramStructure(*list({{'H', 1, 0}, {'L', 1, -1}})));
}

TEST(CutGeometry, FociOfTheEmptyCut) {
    COsmiraDoc diagram;
    layout("[]", diagram);
    auto* cut = dynamic_cast<CCorteGrafico*>(diagram.GetElements()[1]->GetGraphic());
    ASSERT_NE(cut, nullptr);
    EXPECT_NEAR(cut->GetFoci()[0], 84.3589, 1e-4);
    EXPECT_DOUBLE_EQ(cut->GetFoci()[1], 79.0);
    EXPECT_NEAR(cut->GetFoci()[2], 75.6411, 1e-4);
    EXPECT_DOUBLE_EQ(cut->GetFoci()[3], 79.0);
}

struct HitCase {
    const char* name;
    size_t element;
    int x, y;
    bool hit;
};

void PrintTo(const HitCase& c, std::ostream* os) {
    *os << c.name;
}

class HitTest : public ::testing::TestWithParam<HitCase> {};

// W = [A]B: sheet 50,50–190,148; cut 70,70–130,128 (centre 100,99); A 90,90–110,108.
TEST_P(HitTest, AnswersForPoint) {
    COsmiraDoc diagram;
    layout("[A]B", diagram);
    const HitCase& c = GetParam();
    EXPECT_EQ(diagram.GetElements()[c.element]->GetGraphic()->HitTest(c.x, c.y), c.hit);
}

INSTANTIATE_TEST_SUITE_P(Points, HitTest,
                         ::testing::Values(HitCase{"SheetTopLeftCorner", 0, 50, 50, true},
                                           HitCase{"SheetRightEdge", 0, 190, 60, false},
                                           HitCase{"SheetBottomEdge", 0, 60, 148, false},
                                           HitCase{"SheetInside", 0, 189, 147, true},
                                           HitCase{"LetterRightEdge", 2, 110, 95, false},
                                           HitCase{"LetterBottomEdge", 2, 95, 108, false},
                                           HitCase{"LetterInside", 2, 109, 107, true},
                                           HitCase{"CutLeftVertex", 1, 70, 99, true},
                                           HitCase{"CutRightVertex", 1, 130, 99, true},
                                           HitCase{"CutTopVertex", 1, 100, 70, true},
                                           HitCase{"CutJustOutsideLeft", 1, 69, 99, false},
                                           HitCase{"CutBoxCornerOutsideEllipse", 1, 71, 71, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HitTest, PointOnTheEllipseOfTheEmptyCutCounts) {
    COsmiraDoc diagram;
    layout("[]", diagram);
    const CElemGrafico& cut = *diagram.GetElements()[1]->GetGraphic();
    EXPECT_TRUE(cut.HitTest(70, 79));
    EXPECT_TRUE(cut.HitTest(90, 79));
    EXPECT_TRUE(cut.HitTest(80, 70));
    EXPECT_TRUE(cut.HitTest(80, 88));
    EXPECT_FALSE(cut.HitTest(80, 89));
}

TEST(Drawing, EachKindPaintsWithItsBlockAndRestoresPenAndBrush) {
    COsmiraDoc diagram;
    layout("[A]", diagram);
    test::RecordingCanvas canvas;
    Pen before{Pen::Style::Solid, 7, 0x123456};
    canvas.pen = before;
    for (const auto& element : diagram.GetElements()) {
        element->GetGraphic()->Draw(canvas);
    }
    diagram.GetElements()[1]->GetGraphic()->Mark();
    diagram.GetElements()[1]->GetGraphic()->Redraw(canvas);
    diagram.GetElements()[2]->GetGraphic()->DrawHighlighted(canvas);
    std::vector<std::string> expected{
        "pen solid 2 000000", "brush D8D8D8", "rectangle 50,50,150,148", "pen solid 7 123456", "brush 000000",
        "pen solid 2 000000", "brush D8D8D8", "ellipse 70,70,130,128", "pen solid 7 123456", "brush 000000",
        "pen null 0 000000", "brush D8D8D8", "rectangle 90,90,110,108",
        "text 90,90,110,108 A Arial -13 000000", "pen solid 7 123456", "brush 000000",
        // marked cut, then the highlighted letter
        "pen solid 2 000000", "brush C8C896", "ellipse 70,70,130,128", "pen solid 7 123456", "brush 000000",
        "pen null 0 000000", "brush C8C896", "rectangle 90,90,110,108",
        "text 90,90,110,108 A Arial -13 000000", "pen solid 7 123456", "brush 000000"};
    EXPECT_EQ(canvas.lines, expected);
    EXPECT_EQ(canvas.pen, before);
}

TEST(Drawing, DefaultBlocksAndFont) {
    AppearanceSet blocks = defaultAppearances();
    FontDescription font = defaultFont();
    EXPECT_EQ(font.height, -13);
    EXPECT_EQ(font.weight, 700);
    EXPECT_EQ(font.outPrecision, 3);
    EXPECT_EQ(font.clipPrecision, 2);
    EXPECT_EQ(font.quality, 1);
    EXPECT_EQ(font.pitchAndFamily, 0x22);
    EXPECT_STREQ(font.faceName.data(), "Arial");
    EXPECT_EQ(blocks.sheet, (ElementAppearance{2, 0, 0xD8D8D8, 0xC8C896, 0, font}));
    EXPECT_EQ(blocks.cut, (ElementAppearance{2, 0, 0xD8D8D8, 0xC8C896, 0, FontDescription{}}));
    EXPECT_EQ(blocks.letter, (ElementAppearance{0, 0, 0xD8D8D8, 0xC8C896, 0, font}));
}

struct CanonicalCase {
    const char* name;
    const char* first;
    const char* second;
    bool same;
};

void PrintTo(const CanonicalCase& c, std::ostream* os) {
    *os << c.name;
}

class Juxtaposition : public ::testing::TestWithParam<CanonicalCase> {};

TEST_P(Juxtaposition, OrderOfJuxtaposedGraphsDoesNotMatter) {
    EXPECT_EQ(canonicalJuxtaposition(GetParam().first) == canonicalJuxtaposition(GetParam().second),
              GetParam().same);
}

INSTANTIATE_TEST_SUITE_P(Pairs, Juxtaposition,
                         ::testing::Values(CanonicalCase{"Letters", "AB", "BA", true},
                                           CanonicalCase{"InsideCut", "[A[B]]", "[[B]A]", true},
                                           CanonicalCase{"AcrossCuts", "[A[B]]", "[B[A]]", false},
                                           CanonicalCase{"Multiplicity", "AA", "A", false},
                                           CanonicalCase{"Deep", "C[[B]A[D]]", "[[D]A[B]]C", true},
                                           CanonicalCase{"EmptyCut", "[]A", "A[]", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BracketForm, RecognisesBracketForms) {
    EXPECT_TRUE(isBracketForm(""));
    EXPECT_TRUE(isBracketForm("[A[B]]C"));
    EXPECT_FALSE(isBracketForm("[A"));
    EXPECT_FALSE(isBracketForm("A]["));
    EXPECT_FALSE(isBracketForm("[a]"));
    EXPECT_FALSE(isBracketForm("A B"));
}

// Measuring every cut's text again for each cut took minutes at this depth.
TEST(DeepNesting, HundredThousandNestedCutsArePlacedOneInsideTheOther) {
    constexpr int kCuts = 100000;
    COsmiraDoc diagram;
    BuildDiagram(diagram, defaultAppearances(), std::string(kCuts, '[') + std::string(kCuts, ']'));
    const auto& elements = diagram.GetElements();
    ASSERT_EQ(elements.size(), kCuts + 1u);
    EXPECT_EQ(elements[0]->GetGraphic()->GetRect(), (Rect{50, 50, 70 + 40 * kCuts, 68 + 40 * kCuts}));
    for (int i = 0; i < kCuts; ++i) {
        Rect expected{70 + 20 * i, 70 + 20 * i, 50 + 40 * kCuts - 20 * i, 88 + 40 * (kCuts - 1) - 20 * i};
        ASSERT_EQ(elements[i + 1]->GetGraphic()->GetRect(), expected) << "cut " << i;
    }
}

// Rebuilding the text of every enclosing area took seconds at this depth.
TEST(DeepNesting, CanonicalFormSortsEveryLevel) {
    constexpr int kLevels = 200000;
    std::string bracket, canonical;
    for (int i = 0; i < kLevels; ++i) {
        bracket += "[B[]A";
        canonical += "[AB";
    }
    bracket.append(kLevels, ']');
    for (int i = 0; i < kLevels; ++i) {
        canonical += "[]]"; // letters sort before cuts, and "[A…" before "[]"
    }
    EXPECT_EQ(canonicalJuxtaposition(bracket), canonical);
}

TEST(BracketForm, SpanPairsBracketsBeyondFiftyLevels) {
    std::string deep = std::string(60, '[') + "A" + std::string(60, ']') + "B";
    EXPECT_EQ(Span(deep, 0), 121u);
    EXPECT_EQ(Span(deep, 121), 1u);
    COsmiraDoc diagram;
    BuildDiagram(diagram, defaultAppearances(), deep);
    EXPECT_EQ(bracketFormOf(diagram), deep);
}

} // namespace
