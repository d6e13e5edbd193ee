// The SVG export draws what the window draws: read back as XML, a step's SVG is an SVG 1.1
// document whose shapes are those the step's view paints (position, size and colours of every
// cut, letter and sheet), xmllint finds it valid against the SVG 1.1 DTD, and librsvg renders it.
// "Exportar diagrama…", after Salir beyond a separator, writes the figure its dialog chooses.

#include "fake_host.h"
#include "opened_exercise.h"
#include "osmira_view.h"
#include "painter_canvas.h"
#include "recording_workbench.h"
#include "test_support.h"

#include "osmira/export/diagram_export.h"
#include "osmira/export/svg_writer.h"
#include "osmira/model/drawing.h"
#include "suite_testing/scratch_folder.h"
#include "suite_testing/shell_command.h"

#include <QCheckBox>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <set>

using namespace osmira;
using namespace osmira::workbench;
using osmira::workbench::test::FakeHost;

namespace {

// The SVG 1.1 DTD as Debian's w3c-sgml-lib installs it; xmllint finds it through the XML catalogue.
const char kSvg11Dtd[] = "/usr/share/xml/w3c-sgml-lib/schema/dtd/REC-SVG11-20110816/svg11.dtd";

// A shape as both sides can state it: a rectangle or ellipse by its box, a text by its centre.
struct Shape {
    std::string kind;
    double x = 0, y = 0, width = 0, height = 0;
    std::string fill, stroke, text;
    bool operator==(const Shape&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Shape& s) {
    return os << s.kind << " " << s.x << "," << s.y << " " << s.width << "x" << s.height << " " << s.fill
              << " " << s.stroke << " " << s.text;
}

std::string hex(Colour colour) {
    return QStringLiteral("#%1%2%3")
        .arg(colour & 0xFF, 2, 16, QLatin1Char('0'))
        .arg(colour >> 8 & 0xFF, 2, 16, QLatin1Char('0'))
        .arg(colour >> 16 & 0xFF, 2, 16, QLatin1Char('0'))
        .toUpper()
        .toStdString();
}

Shape painted(const DrawnShape& shape) {
    const Rect& r = shape.rect;
    const std::string stroke = shape.pen.style == Pen::Style::Solid
                                   ? hex(shape.pen.color) + " " + std::to_string(shape.pen.width)
                                   : "none";
    switch (shape.kind) {
    case DrawnShape::Kind::Rectangle:
        return {"rect",
                double(r.left),
                double(r.top),
                double(r.right - r.left),
                double(r.bottom - r.top),
                hex(shape.brush.color),
                stroke,
                ""};
    case DrawnShape::Kind::Ellipse:
        return {"ellipse",
                double(r.left),
                double(r.top),
                double(r.right - r.left),
                double(r.bottom - r.top),
                hex(shape.brush.color),
                stroke,
                ""};
    case DrawnShape::Kind::Text:
        return {"text",    (r.left + r.right) / 2.0, (r.top + r.bottom) / 2.0, 0, 0, hex(shape.textColor), "",
                shape.text};
    }
    return {};
}

// The attributes SVG 1.1 gives each element the export writes.
const std::map<QString, std::set<QString>> kSvgAttributes{
    {"svg", {"version", "width", "height", "viewBox"}},
    {"rect", {"x", "y", "width", "height", "fill", "stroke", "stroke-width"}},
    {"ellipse", {"cx", "cy", "rx", "ry", "fill", "stroke", "stroke-width"}},
    {"text",
     {"x", "y", "dy", "text-anchor", "font-family", "font-size", "font-weight", "font-style",
      "text-decoration", "fill"}},
};

Shape readShape(QXmlStreamReader& xml) {
    const QXmlStreamAttributes a = xml.attributes();
    const auto number = [&a](const char* name) { return a.value(QLatin1String(name)).toDouble(); };
    const std::string stroke = a.value("stroke") == QLatin1String("none")
                                   ? "none"
                                   : a.value("stroke").toString().toStdString() + " " +
                                         a.value("stroke-width").toString().toStdString();
    const std::string fill = a.value("fill").toString().toStdString();
    const QString name = xml.name().toString();
    if (name == QLatin1String("rect")) {
        return {"rect", number("x"), number("y"), number("width"), number("height"), fill, stroke, ""};
    }
    if (name == QLatin1String("ellipse")) {
        return {"ellipse",
                number("cx") - number("rx"),
                number("cy") - number("ry"),
                2 * number("rx"),
                2 * number("ry"),
                fill,
                stroke,
                ""};
    }
    return {"text", number("x"), number("y"), 0, 0, fill, "", xml.readElementText().toLatin1().toStdString()};
}

// The shapes of an SVG 1.1 document, in order; a failure for anything else in it.
std::vector<Shape> readSvg(const std::string& svg) {
    QXmlStreamReader xml(QByteArray::fromStdString(svg));
    std::vector<Shape> shapes;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const QString name = xml.name().toString();
        EXPECT_EQ(xml.namespaceUri(), QLatin1String("http://www.w3.org/2000/svg")) << name.toStdString();
        EXPECT_EQ(kSvgAttributes.count(name), 1u) << name.toStdString();
        for (const QXmlStreamAttribute& attribute : xml.attributes()) {
            EXPECT_EQ(kSvgAttributes.at(name).count(attribute.name().toString()), 1u)
                << name.toStdString() << " " << attribute.name().toString().toStdString();
        }
        if (name == QLatin1String("svg")) {
            EXPECT_TRUE(shapes.empty());
            EXPECT_EQ(xml.attributes().value("version"), QLatin1String("1.1"));
        } else {
            shapes.push_back(readShape(xml));
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return shapes;
}

struct DrawingCase {
    const char* name;
    const char* bracket;
    bool recoloured; // line, fill, marked fill and text colours changed before the layout
    int markedIndex; // an element marked as a rule marks it; -1 for none
};

void PrintTo(const DrawingCase& c, std::ostream* os) {
    *os << c.name;
}

class SvgOfAStep : public ::testing::TestWithParam<DrawingCase> {};

TEST_P(SvgOfAStep, HoldsTheShapesTheWindowPaintsIsValidAndRenders) {
    RecordingWorkbench workbench;
    CEjercicio exercise;
    exercise.attachWorkbench(workbench);
    if (GetParam().recoloured) {
        exercise.SetColors(0x0000C0, 0xE0F0FF, 0x80FF80, 0x800000);
    }
    exercise.SetWorking(GetParam().bracket);
    COsmiraDoc& step = exercise.AppendStep();
    exercise.BuildDiagram(step);
    if (GetParam().markedIndex >= 0) {
        step.GetElements().at(static_cast<std::size_t>(GetParam().markedIndex))->GetGraphic()->Mark();
    }
    FakeHost host;
    COsmiraView view(step, host);
    DrawingRecorder window;
    view.drawDiagram(window);
    std::vector<Shape> expected;
    for (const DrawnShape& shape : window.takeShapes()) {
        expected.push_back(painted(shape));
    }

    const std::string svg = svgDocument(stepDrawing(step));
    EXPECT_EQ(readSvg(svg), expected);

    suite::testing::ScratchFolder folder;
    suite::testing::writeFile(folder / "paso.svg", svg);
    if (!suite::testing::toolInstalled("xmllint") || !std::filesystem::exists(kSvg11Dtd)) {
        GTEST_SKIP() << "xmllint or the SVG 1.1 DTD is not installed (libxml2-utils, w3c-sgml-lib)";
    }
    const suite::testing::ShellRun validated = suite::testing::runShell(
        "xmllint --nonet --noout --valid " + suite::testing::shellQuoted(folder / "paso.svg"));
    EXPECT_EQ(validated.status, 0) << validated.output;

    if (!suite::testing::toolInstalled("rsvg-convert")) {
        GTEST_SKIP() << "rsvg-convert is not installed (librsvg2-bin)";
    }
    const suite::testing::ShellRun rendered =
        suite::testing::runShell("rsvg-convert -o " + suite::testing::shellQuoted(folder / "paso.png") + " " +
                                 suite::testing::shellQuoted(folder / "paso.svg"));
    ASSERT_EQ(rendered.status, 0) << rendered.output;
    const QImage picture(QString::fromStdString((folder / "paso.png").string()));
    const Rect sheet = step.GetElements().front()->GetGraphic()->GetRect();
    // The sheet and the reach of its pen, its fill just inside the corner.
    EXPECT_EQ(picture.size(), QSize(sheet.right - sheet.left + 2, sheet.bottom - sheet.top + 2));
    EXPECT_EQ(hex(render::modelColour(picture.pixelColor(5, 5))), expected.front().fill);
}

INSTANTIATE_TEST_SUITE_P(Steps, SvgOfAStep,
                         ::testing::Values(DrawingCase{"WorkedExample", "[A]B", false, -1},
                                           DrawingCase{"NestedCutsRecolouredWithAMark", "A[[B][C]]D", true,
                                                       3},
                                           DrawingCase{"EmptySheet", "", false, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

// The dialog's answer: what is ticked in it, and the figure that is then written.
struct ExportChoice {
    const char* name;
    std::vector<const char*> clicked; // the dialog's buttons clicked in turn
    std::optional<FigureStyle> style; // nothing: the dialog is cancelled
};

void PrintTo(const ExportChoice& c, std::ostream* os) {
    *os << c.name;
}

class ExportarDiagrama : public ::testing::TestWithParam<ExportChoice> {};

TEST_P(ExportarDiagrama, WritesTheFigureTheDialogChooses) {
    osmira::workbench::test::OpenedExercise opened({"A"}, "A");
    QStringList items;
    QAction* command = nullptr;
    for (QAction* item : opened.app.mainFrame().menuBar()->actions().front()->menu()->actions()) {
        items << item->text();
        command = item;
    }
    ASSERT_GE(items.size(), 3);
    EXPECT_EQ(items.mid(items.size() - 3), (QStringList{"&Salir", "", "Exportar diagrama…"}));
    COsmiraDoc& step = *opened.activeView().document();
    step.GetElements().at(1)->GetGraphic()->Mark();
    const std::filesystem::path written = opened.scratch / "paso.svg";
    opened.host.savePaths = {QString::fromStdString(written.string())};
    opened.host.dialogAnswers = {[](QDialog& dialog) {
        for (const char* name : GetParam().clicked) {
            dialog.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
        }
        return GetParam().style ? QDialog::Accepted : QDialog::Rejected;
    }};
    command->trigger();
    EXPECT_EQ(opened.host.dialogs, std::vector<QString>{"DlgExportarDiagrama"});
    if (!GetParam().style) {
        EXPECT_TRUE(opened.host.fileDialogs.empty());
        EXPECT_FALSE(std::filesystem::exists(written));
        return;
    }
    EXPECT_EQ(suite::testing::readFile(written),
              exportedDiagram(*opened.app.currentExercise(), step, DiagramExport::Svg, *GetParam().style));
}

INSTANTIATE_TEST_SUITE_P(
    Choices, ExportarDiagrama,
    ::testing::Values(ExportChoice{"PrintStyleAtFirst", {}, FigureStyle::Print},
                      ExportChoice{"MarkShown", {"SenalarMarcado"}, FigureStyle::PrintWithMark},
                      // The check box counts with the print style only.
                      ExportChoice{"WindowLook",
                                   {"SenalarMarcado", "AspectoVentana", "SenalarMarcado"},
                                   FigureStyle::Window},
                      ExportChoice{"Cancelled", {"SenalarMarcado"}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
