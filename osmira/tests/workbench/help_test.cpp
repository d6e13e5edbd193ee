// The help's examples against the core, its links and pictures, the diagram pictures, the
// icons and the about box.

#include "about_box.h"
#include "diagram_picture.h"
#include "display_text.h"
#include "help_window.h"
#include "icons.h"

#include "osmira/formula/formula_entry.h"
#include "osmira/model/ejercicio.h"
#include "osmira/model/workbench_operations.h"
#include "osmira/rules/rule_request.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMap>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

using namespace osmira;
using namespace osmira::workbench;

namespace {

QString pageText(const QString& page) {
    QFile file(QStringLiteral(":/help/") + page + QStringLiteral(".html"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

QMap<QString, QString> dataAttributes(const QString& tag) {
    QMap<QString, QString> attributes;
    static const QRegularExpression attribute(QStringLiteral("data-([a-z]+)=\"([^\"]*)\""));
    for (const auto& match : attribute.globalMatch(tag)) {
        attributes[match.captured(1)] = match.captured(2);
    }
    return attributes;
}

QStringList pictures(const QString& html) {
    QStringList sources;
    static const QRegularExpression image(QStringLiteral("<img src=\"([^\"]*)\""));
    for (const auto& match : image.globalMatch(html)) {
        sources << match.captured(1);
    }
    return sources;
}

// What a reader sees of a piece of HTML, without tags or blanks.
QString shownText(QString html) {
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return html.remove(tag).remove(blanks);
}

QString withoutBlanks(QString text) {
    return text.remove(u' ');
}

std::string spelled(const QString& formula) {
    std::string name;
    for (const QChar c : formula) {
        const char* word = c == u'¬'   ? "no"
                           : c == u'∧' ? "y"
                           : c == u'∨' ? "o"
                           : c == u'→' ? "entonces"
                                       : nullptr;
        if (c == u'(' || c == u')') {
            word = c == u'(' ? "abre" : "cierra";
        }
        name += "_";
        name += word ? std::string(word) : QString(c).toStdString();
    }
    return name;
}

std::string caseName(const QString& page, int number, const std::string& rest = {}) {
    return page.toStdString() + "_" + std::to_string(number) + rest;
}

// ----- Formula examples: every formula shown with its graph converts to exactly that graph.

struct FormulaExample {
    std::string name;
    QString formula;
    QString graph;
    QString shown;
};

std::vector<FormulaExample> formulaExamples() {
    std::vector<FormulaExample> examples;
    static const QRegularExpression example(QStringLiteral("<(span|tr) class=\"ejemplo\"([^>]*)>(.*?)</\\1>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    for (const QString& page : helpPages()) {
        int number = 0;
        for (const auto& match : example.globalMatch(pageText(page))) {
            const auto data = dataAttributes(match.captured(2));
            examples.push_back({caseName(page, ++number, spelled(data.value(QStringLiteral("formula")))),
                                data.value(QStringLiteral("formula")), data.value(QStringLiteral("grafo")),
                                shownText(match.captured(3))});
        }
    }
    return examples;
}

void PrintTo(const FormulaExample& example, std::ostream* out) {
    *out << example.formula.toStdString() << " -> " << example.graph.toStdString();
}

class HelpFormulaExamples : public ::testing::TestWithParam<FormulaExample> {};

TEST_P(HelpFormulaExamples, ConvertToTheGraphShown) {
    const FormulaExample& example = GetParam();
    const std::string formula = formulaBytes(example.formula);
    EXPECT_TRUE(checkFormulaEntry(formula));
    CEjercicio exercise;
    EXPECT_EQ(exercise.ConvertFormula(formula), example.graph.toStdString());
    EXPECT_TRUE(example.shown.contains(withoutBlanks(example.formula))) << example.shown.toStdString();
    EXPECT_TRUE(example.shown.contains(example.graph)) << example.shown.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Help, HelpFormulaExamples, ::testing::ValuesIn(formulaExamples()),
                         [](const auto& info) { return info.param.name; });

// ----- Rule examples: each before/after pair is what the core makes of the rule, drawn from
// the forms it names; each wrong application is refused.

struct RuleExample {
    std::string name;
    QMap<QString, QString> data;
    bool refused;
    QStringList pictures;
};

std::vector<RuleExample> ruleExamples() {
    std::vector<RuleExample> examples;
    static const QRegularExpression example(
        QStringLiteral("<table class=\"(regla|regla-incorrecta)\"([^>]*)>(.*?)</table>"),
        QRegularExpression::DotMatchesEverythingOption);
    for (const QString& page : helpPages()) {
        int number = 0;
        for (const auto& match : example.globalMatch(pageText(page))) {
            const auto data = dataAttributes(match.captured(2));
            const bool refused = match.captured(1) == QStringLiteral("regla-incorrecta");
            examples.push_back({caseName(page, ++number,
                                         "_" + data.value(QStringLiteral("regla")).toStdString() +
                                             (refused ? "_rechazada" : "")),
                                data, refused, pictures(match.captured(3))});
        }
    }
    return examples;
}

void PrintTo(const RuleExample& example, std::ostream* out) {
    *out << example.name;
}

std::string joined(const QStringList& list) {
    return list.join(QStringLiteral(" ")).toStdString();
}

class HelpRuleExamples : public ::testing::TestWithParam<RuleExample> {};

TEST_P(HelpRuleExamples, AreWhatTheRuleDoes) {
    const RuleExample& example = GetParam();
    const auto data = [&](const char* key) { return example.data.value(QString::fromLatin1(key)); };
    // Answers the insertion and double-cut questions as the example says.
    WindowlessWorkbench workbench;
    if (!data("formula").isEmpty()) {
        workbench.formulaToInsert = formulaBytes(data("formula"));
    }
    workbench.doubleCutPosition = data("posicion") == QStringLiteral("alrededor") ? DoubleCutPosition::Around
                                                                                  : DoubleCutPosition::Inside;
    CEjercicio exercise;
    exercise.attachWorkbench(workbench);
    exercise.SetWorking(data("antes").toStdString());
    exercise.BuildDiagram(exercise.AppendStep());

    const QString rule = data("regla");
    ASSERT_EQ(rule.size(), 2);
    RuleRequest request{static_cast<Rule>(rule.at(1).digitValue()), data("elemento").toULongLong(),
                        std::nullopt};
    QString marks = data("elemento");
    if (!data("origen").isEmpty()) {
        request.source = data("origen").toULongLong();
        marks = data("origen") + u',' + marks;
    }
    const QString before = QStringLiteral("grafo:") + data("antes") + QStringLiteral("?marca=") + marks;

    const RuleOutcome outcome = requestRule(exercise, request);

    if (example.refused) {
        EXPECT_EQ(outcome, RuleOutcome::Refused);
        EXPECT_EQ(joined(example.pictures), joined({before}));
        return;
    }
    EXPECT_EQ(outcome, RuleOutcome::Committed);
    EXPECT_EQ(exercise.GetWorking(), data("despues").toStdString());
    EXPECT_EQ(joined(example.pictures), joined({before, QStringLiteral("grafo:") + data("despues")}));
}

INSTANTIATE_TEST_SUITE_P(Help, HelpRuleExamples, ::testing::ValuesIn(ruleExamples()),
                         [](const auto& info) { return info.param.name; });

// ----- Links: every link leads to a page of the help and, when it names one, to a section.

struct Link {
    std::string name;
    QString page;
    QString href;
};

std::vector<Link> links() {
    std::vector<Link> all;
    static const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
    for (const QString& page : helpPages()) {
        int number = 0;
        for (const auto& match : link.globalMatch(pageText(page))) {
            all.push_back({caseName(page, ++number), page, match.captured(1)});
        }
    }
    return all;
}

void PrintTo(const Link& link, std::ostream* out) {
    *out << link.page.toStdString() << ": " << link.href.toStdString();
}

class HelpLinks : public ::testing::TestWithParam<Link> {};

TEST_P(HelpLinks, Resolve) {
    const Link& link = GetParam();
    const qsizetype hash = link.href.indexOf(u'#');
    const QString file = hash < 0 ? link.href : link.href.left(hash);
    QString target = link.page;
    if (!file.isEmpty()) {
        ASSERT_TRUE(file.endsWith(QStringLiteral(".html"))) << link.href.toStdString();
        target = file.chopped(5);
    }
    ASSERT_TRUE(helpPages().contains(target)) << link.href.toStdString();
    if (hash >= 0) {
        EXPECT_TRUE(pageText(target).contains(QStringLiteral("<a name=\"") + link.href.mid(hash + 1) + u'"'))
            << link.href.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Help, HelpLinks, ::testing::ValuesIn(links()),
                         [](const auto& info) { return info.param.name; });

// Every page is reached from the index.
TEST(HelpIndex, LinksEveryPage) {
    const QString index = pageText(QStringLiteral("indice"));
    for (const QString& page : helpPages()) {
        if (page != QStringLiteral("indice")) {
            EXPECT_TRUE(index.contains(QStringLiteral("href=\"") + page + QStringLiteral(".html")))
                << page.toStdString();
        }
    }
}

// ----- The window: every topic opens at its page, with each of its diagrams drawn.

class HelpTopics : public ::testing::TestWithParam<std::string> {};

TEST_P(HelpTopics, ShowThePageWithItsDiagrams) {
    const QString topic = QString::fromStdString(GetParam());
    HelpWindow window;
    window.showTopic(topic);
    EXPECT_EQ(window.objectName(), QStringLiteral("HelpWindow"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Ayuda de Osmira"));
    EXPECT_EQ(window.browser()->source(), helpUrl(topic));
    QTextDocument* document = window.browser()->document();
    EXPECT_FALSE(document->metaInformation(QTextDocument::DocumentTitle).isEmpty());
    for (const QString& source : pictures(pageText(helpUrl(topic).fileName().chopped(5)))) {
        const QImage shown = document->resource(QTextDocument::ImageResource, QUrl(source)).value<QImage>();
        EXPECT_FALSE(shown.isNull()) << source.toStdString();
        EXPECT_EQ(shown, helpPicture(QUrl(source))) << source.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Help, HelpTopics,
                         ::testing::Values("indice", "grafos", "reglas", "reglas#r3", "ejercicio", "teoremas",
                                           "ficheros", "exportar", "clase"),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '#', '_');
                             return name;
                         });

// Each title of the contents is drawn whole: no ink on the edges its row clips it to (the accent
// of "Índice" was cut at the top).
TEST(HelpWindowContents, TitlesAreDrawnWhole) {
    HelpWindow window;
    window.show();
    auto* contents = window.findChild<QListWidget*>(QStringLiteral("HelpContents"));
    ASSERT_NE(contents, nullptr);
    const QImage drawn = contents->viewport()->grab().toImage();
    for (int row = 0; row < contents->count(); ++row) {
        const QRect rect = contents->visualItemRect(contents->item(row));
        ASSERT_GT(rect.width(), 1) << row;
        const QRgb background = drawn.pixel(rect.right() - 1, rect.center().y());
        for (int x = rect.left(); x < std::min(rect.right(), drawn.width()); ++x) {
            EXPECT_EQ(drawn.pixel(x, rect.top()), background) << row << " top at " << x;
            EXPECT_EQ(drawn.pixel(x, rect.bottom()), background) << row << " bottom at " << x;
        }
    }
}

TEST(HelpWindowKeys, EscapeClosesIt) {
    HelpWindow window;
    window.show();
    ASSERT_TRUE(window.isVisible());
    QTest::keyClick(window.browser(), Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

// ----- Diagram pictures: the sheet's rectangle at one pixel per unit, in the exercise's colours.

struct Probe {
    int x;
    int y;
    QRgb colour;
};

struct PictureCase {
    const char* name;
    const char* bracket;
    std::vector<int> marked;
    QSize size;
    std::vector<Probe> probes;
};

constexpr QRgb kFill = 0xFFD8D8D8;
constexpr QRgb kMarkedFill = 0xFF96C8C8; // 0x00BBGGRR 0xC8C896 as red 150, green 200, blue 200
constexpr QRgb kLine = 0xFF000000;

void PrintTo(const PictureCase& c, std::ostream* out) {
    *out << '"' << c.bracket << '"';
}

class DiagramPictures : public ::testing::TestWithParam<PictureCase> {};

TEST_P(DiagramPictures, CropToTheSheet) {
    const PictureCase& c = GetParam();
    const QImage picture = render::bracketFormPicture(c.bracket, c.marked);
    ASSERT_EQ(picture.size(), c.size);
    for (const Probe& probe : c.probes) {
        EXPECT_EQ(picture.pixel(probe.x, probe.y), probe.colour) << probe.x << "," << probe.y;
    }
}

// [A]B: sheet (50,50)–(190,148), cut (70,70)–(130,128), A (90,90)–(110,108), B (150,90)–(170,108).
INSTANTIATE_TEST_SUITE_P(
    Render, DiagramPictures,
    ::testing::Values(
        PictureCase{"EmptySheet", "", {}, {20, 18}, {{0, 9, kLine}, {10, 9, kFill}, {19, 9, kLine}}},
        PictureCase{"CutAndLetters",
                    "[A]B",
                    {},
                    {140, 98},
                    {{0, 49, kLine}, {139, 49, kLine}, {10, 10, kFill}, {23, 49, kFill}}},
        PictureCase{"MarkedCut", "[A]B", {1}, {140, 98}, {{10, 10, kFill}, {23, 49, kMarkedFill}}},
        PictureCase{"MarkedLetter", "[A]B", {3}, {140, 98}, {{101, 41, kMarkedFill}, {23, 49, kFill}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DiagramPictures, StepWithoutElementsIsNull) {
    EXPECT_TRUE(render::diagramPicture(COsmiraDoc()).isNull());
}

// ----- Icons: drawn at every toolbar size, each its own, greyed when disabled.

struct IconCase {
    const char* name;
    QIcon icon;
};

std::vector<IconCase> icons() {
    return {{"Nuevo", toolIcon(ToolIcon::New)},
            {"Abrir", toolIcon(ToolIcon::Open)},
            {"Guardar", toolIcon(ToolIcon::Save)},
            {"Imprimir", toolIcon(ToolIcon::Print)},
            {"AcercaDe", toolIcon(ToolIcon::About)},
            {"AyudaContextual", toolIcon(ToolIcon::ContextHelp)},
            {"Puntero", toolIcon(ToolIcon::Pointer)},
            {"R1", toolIcon(ToolIcon::R1)},
            {"R2", toolIcon(ToolIcon::R2)},
            {"R3", toolIcon(ToolIcon::R3)},
            {"R4", toolIcon(ToolIcon::R4)},
            {"R5", toolIcon(ToolIcon::R5)},
            {"Programa", programIcon()}};
}

int opaquePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
        }
    }
    return count;
}

void PrintTo(const IconCase& c, std::ostream* out) {
    *out << c.name;
}

class Icons : public ::testing::TestWithParam<IconCase> {};

TEST_P(Icons, AreDrawnAtEverySizeAndDifferFromTheOthers) {
    const QIcon& icon = GetParam().icon;
    for (const int side : {16, 20, 24, 48}) {
        const QImage image = icon.pixmap(side, side).toImage();
        EXPECT_EQ(image.size(), QSize(side, side));
        EXPECT_GT(opaquePixels(image), side * side / 8) << side;
    }
    const QImage normal = icon.pixmap(16, 16).toImage();
    EXPECT_NE(icon.pixmap(16, 16, QIcon::Disabled).toImage(), normal);
    for (const IconCase& other : icons()) {
        if (std::string(other.name) != GetParam().name) {
            EXPECT_NE(other.icon.pixmap(16, 16).toImage(), normal) << other.name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Artwork, Icons, ::testing::ValuesIn(icons()),
                         [](const auto& info) { return std::string(info.param.name); });

// ----- About box.

TEST(AboutBox, ShowsTheProgramAndClosesWithAceptar) {
    AboutBox box;
    EXPECT_EQ(box.objectName(), QStringLiteral("AboutBox"));
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Acerca de Osmira"));
    QStringList lines;
    for (const QLabel* label : box.findChildren<QLabel*>()) {
        lines << label->text();
    }
    for (const char* line : {"Osmira", "(Diagramas Alfa de Peirce)", "Versión 1.0",
                             "El equipo de Varquen, Osmira y Zudaviror"}) {
        EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << line;
    }
    EXPECT_FALSE(box.findChild<QLabel*>(QStringLiteral("ProgramIcon"))->pixmap().isNull());
    EXPECT_FALSE(box.findChild<QLabel*>(QStringLiteral("AboutPicture"))->pixmap().isNull());
    auto* accept = box.findChild<QPushButton*>(QStringLiteral("IDOK"));
    ASSERT_NE(accept, nullptr);
    EXPECT_EQ(accept->text(), QStringLiteral("Aceptar"));
    box.show();
    accept->click();
    EXPECT_EQ(box.result(), QDialog::Accepted);
    EXPECT_FALSE(box.isVisible());
}

} // namespace
