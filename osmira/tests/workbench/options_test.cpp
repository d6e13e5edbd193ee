// The commands of "&Opciones" through their dialogs, as the student meets them: colours,
// comments, removing steps (also with Ctrl+Z) and the report. Every modal window answers
// through FakeHost.
#include "dlg_apariencia_diagrama.h"
#include "dlg_comentario.h"
#include "dlg_eliminar_diagramas.h"
#include "dlg_informe.h"
#include "dlg_navegador.h"
#include "dlg_navegador_inicial.h"
#include "fake_host.h"
#include "main_frame.h"
#include "osmira_app.h"
#include "painter_canvas.h"
#include "test_support.h"
#include "widget_support.h"
#include "window_workbench.h"

#include "osmira/archive/exercise_archive.h"
#include "osmira/model/element_list.h"
#include "osmira/rules/rule_request.h"
#include "suite/latin1.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <stdexcept>

#include "suite_testing/scratch_folder.h"

namespace osmira::workbench {
namespace {

using test::FakeHost;
using Answer = std::function<int(QDialog&)>;

template <typename Widget> Widget& child(QWidget& parent, const char* name) {
    auto* found = parent.findChild<Widget*>(QString::fromLatin1(name));
    if (found == nullptr) {
        throw std::runtime_error(std::string("no control ") + name);
    }
    return *found;
}

void press(QWidget& dialog, const char* button) {
    child<QPushButton>(dialog, button).click();
}

// Presses "Aceptar" and answers what the dialog made of it.
int pressAceptar(QDialog& dialog) {
    press(dialog, "Aceptar");
    return dialog.result();
}

// An exercise titled `title` of `steps` steps from the hypothesis A towards B: a double cut put
// around A, taken away, put around again…
std::string exerciseBytes(int steps, const std::string& title = "Ejercicio de prueba") {
    RecordingWorkbench recorder;
    auto exercise = osmira::test::newExercise({"A"}, "B", recorder);
    exercise->SetTitle(title);
    exercise->SetDescription(suite::latin1FromUtf8("Documentación"));
    for (int step = 1; step < steps; ++step) {
        requestRule(*exercise, {Rule::DoubleCut, 1, std::nullopt});
    }
    return SaveExercise(*exercise);
}

class Options : public ::testing::Test {
  protected:
    void openSteps(int steps, const std::string& title = "Ejercicio de prueba") {
        suite::testing::writeFile(scratch / "ejercicio.omr", exerciseBytes(steps, title));
        app.openFile(QString::fromStdString((scratch / "ejercicio.omr").string()));
        ASSERT_NE(app.currentExercise(), nullptr);
    }
    CEjercicio& exercise() const { return *app.currentExercise(); }
    DlgNavegador& navigator() const {
        DlgNavegador* panel = app.mainFrame().navigatorBar().panel();
        if (panel == nullptr) {
            throw std::runtime_error("no navigator");
        }
        return *panel;
    }
    void applyRule(Command rule, std::size_t element) {
        COsmiraDoc& last = *exercise().lastStep();
        app.workbench().OpenWindow(last);
        last.SetSelectedElement(last.GetElements().at(element).get());
        app.mainFrame().action(rule)->trigger();
    }
    std::vector<std::string> stepTitles() const {
        std::vector<std::string> titles;
        for (const auto& step : exercise().GetSteps()) {
            titles.push_back(step->GetTitle());
        }
        return titles;
    }
    // The navigator as text: each step entry with the rule entries under it.
    std::vector<std::string> navigatorEntries() const {
        std::vector<std::string> entries;
        const QTreeWidgetItem* root = navigator().tree().topLevelItem(0);
        for (int i = 0; i < root->childCount(); ++i) {
            std::string entry = root->child(i)->text(0).toStdString();
            for (int j = 0; j < root->child(i)->childCount(); ++j) {
                entry += " > " + root->child(i)->child(j)->text(0).toStdString();
            }
            entries.push_back(entry);
        }
        return entries;
    }

    suite::testing::ScratchFolder scratch;
    FakeHost host;
    COsmiraApp app{host};
};

TEST_F(Options, DialogsHaveTheirTitlesAndTabOrder) {
    openSteps(2);
    DlgAparienciaDiagrama appearance(host, exercise().GetAppearances().sheet);
    DlgComentario comment(QStringLiteral("Paso 01"), "");
    DlgEliminarDiagramas removal(exercise());
    DlgInforme report(host);
    const std::pair<QDialog*, const char*> dialogs[] = {
        {&appearance, "Apariencia del diagrama | ColorBorde ColorRelleno ColorSeleccion Aceptar Cancelar"},
        {&comment, "Comentar diagrama | Al TextoComentario Aceptar Cancelar"},
        {&removal, "Eliminar Diagramas | Pasos Aceptar Cancelar"},
        {&report,
         "Generar Informe | Archivo Seleccionar IncluirPortada Titulo Autor Fecha IncluirDescripcion "
         "IncluirSecuencia IncluirComentarios IncluirInfoAlfa IncluirTodos Aceptar Cancelar"},
    };
    for (const auto& [dialog, expected] : dialogs) {
        EXPECT_EQ(dialog->windowTitle() + " | " + test::tabOrder(*dialog).join(u' '),
                  QString::fromUtf8(expected));
    }
}

// ---- Apariencia ----

const QColor kRed(200, 10, 20);
const QColor kGreen(30, 180, 40);
const QColor kBlue(50, 60, 220);

std::vector<ElementAppearance> graphicsAppearances(const CEjercicio& exercise) {
    std::vector<ElementAppearance> seen;
    for (const auto& step : exercise.GetSteps()) {
        for (const auto& element : step->GetElements()) {
            seen.push_back(element->GetGraphic()->GetAppearance());
        }
    }
    return seen;
}

// What the file keeps of an appearance: the file stores no fonts.
std::vector<std::array<std::uint32_t, 5>> graphicsColours(const CEjercicio& exercise) {
    std::vector<std::array<std::uint32_t, 5>> seen;
    for (const ElementAppearance& appearance : graphicsAppearances(exercise)) {
        seen.push_back({static_cast<std::uint32_t>(appearance.penWidth), appearance.penColor,
                        appearance.textColor, appearance.fillColor, appearance.markedFillColor});
    }
    return seen;
}

QColor previewPixel(QDialog& dialog, QPoint point) {
    return child<QWidget>(dialog, "Muestra").grab().toImage().pixelColor(point);
}

TEST_F(Options, AparienciaRecoloursEveryStepAndTheFileKeepsIt) {
    openSteps(3);
    const AppearanceSet before = exercise().GetAppearances();
    host.colourAnswers = {kRed, kGreen, kBlue};
    QColor previewFill;
    QColor previewSelection;
    host.dialogAnswers = {[&](QDialog& dialog) {
        press(dialog, "ColorBorde");
        press(dialog, "ColorRelleno");
        press(dialog, "ColorSeleccion");
        // A corner of the area, and the middle of the selected cut 20 units into the ellipse.
        previewFill = previewPixel(dialog, {10, 10});
        previewSelection = previewPixel(dialog, {1 + 50 + 30, 1 + 41 + 29});
        return pressAceptar(dialog);
    }};
    app.mainFrame().action(Command::Apariencia)->trigger();

    EXPECT_EQ(host.colourPresets, (std::vector<QColor>{Qt::black, render::qtColour(before.sheet.fillColor),
                                                       render::qtColour(before.sheet.markedFillColor)}));
    EXPECT_EQ(previewFill, kGreen);
    EXPECT_EQ(previewSelection, kBlue);
    const AppearanceSet& after = exercise().GetAppearances();
    for (const ElementAppearance* block : {&after.letter, &after.cut, &after.sheet}) {
        EXPECT_EQ(block->penColor, render::modelColour(kRed));
        EXPECT_EQ(block->fillColor, render::modelColour(kGreen));
        EXPECT_EQ(block->markedFillColor, render::modelColour(kBlue));
    }
    EXPECT_EQ(after.letter.textColor, render::modelColour(kRed));
    for (const auto& step : exercise().GetSteps()) {
        for (const auto& element : step->GetElements()) {
            const ElementKind kind = element->kind();
            const ElementAppearance& block = kind == ElementKind::Sheet ? after.sheet
                                             : kind == ElementKind::Cut ? after.cut
                                                                        : after.letter;
            EXPECT_EQ(element->GetGraphic()->GetAppearance(), block) << step->GetTitle();
        }
    }
    EXPECT_TRUE(app.isModified());

    const ExerciseRead reread = LoadExercise(SaveExercise(exercise()));
    ASSERT_TRUE(reread.value) << reread.reason;
    EXPECT_EQ(reread.value->GetAppearances().cut.fillColor, after.cut.fillColor);
    EXPECT_EQ(reread.value->GetAppearances().letter.textColor, after.letter.textColor);
    EXPECT_EQ(graphicsColours(*reread.value), graphicsColours(exercise()));
}

struct AppearanceEnding {
    const char* name;
    std::deque<std::optional<QColor>> colourAnswers;
    const char* button;
};

void PrintTo(const AppearanceEnding& ending, std::ostream* out) {
    *out << ending.name;
}

class AparienciaEnding : public Options, public ::testing::WithParamInterface<AppearanceEnding> {};

TEST_P(AparienciaEnding, ChangesNothing) {
    openSteps(2);
    const AppearanceSet before = exercise().GetAppearances();
    const std::vector<ElementAppearance> graphicsBefore = graphicsAppearances(exercise());
    host.colourAnswers = GetParam().colourAnswers;
    host.dialogAnswers = {[this](QDialog& dialog) {
        press(dialog, "ColorBorde");
        press(dialog, "ColorSeleccion");
        press(dialog, GetParam().button);
        return dialog.result();
    }};
    app.apariencia();
    EXPECT_EQ(exercise().GetAppearances(), before);
    EXPECT_EQ(graphicsAppearances(exercise()), graphicsBefore);
    EXPECT_FALSE(app.isModified());
}

INSTANTIATE_TEST_SUITE_P(
    Options, AparienciaEnding,
    ::testing::Values(AppearanceEnding{"CancelarAfterChoosing", {kRed, kBlue}, "Cancelar"},
                      AppearanceEnding{
                          "AceptarWithEveryChooserCancelled", {std::nullopt, std::nullopt}, "Aceptar"}),
    [](const ::testing::TestParamInfo<AppearanceEnding>& info) { return std::string(info.param.name); });

// ---- Comentario ----

enum class Selection { None, Root, SecondStep };

struct CommentCase {
    const char* name;
    const char* title;
    Selection selection;
    QString expectedTarget;
};

void PrintTo(const CommentCase& commentCase, std::ostream* out) {
    *out << commentCase.name;
}

class ComentarioTarget : public Options, public ::testing::WithParamInterface<CommentCase> {};

TEST_P(ComentarioTarget, ShowsTheTargetAndStoresTheText) {
    openSteps(3, GetParam().title);
    QTreeWidget& tree = navigator().tree();
    COsmiraDoc& second = *exercise().GetSteps()[1];
    if (GetParam().selection == Selection::Root) {
        tree.setCurrentItem(tree.topLevelItem(0));
    } else if (GetParam().selection == Selection::SecondStep) {
        tree.setCurrentItem(navigator().stepItem(second));
    }
    const bool onStep = GetParam().selection == Selection::SecondStep;
    const std::string before = onStep ? second.GetComment() : exercise().GetDescription();
    QString target;
    QString preset;
    host.dialogAnswers = {[&](QDialog& dialog) {
        target = child<QLineEdit>(dialog, "Al").text();
        auto& text = child<QPlainTextEdit>(dialog, "TextoComentario");
        preset = text.toPlainText();
        // The arrow has no Latin-1 byte: it cannot be kept and goes as typed.
        text.setPlainText(QStringLiteral("Línea uno →\nLínea dos"));
        return pressAceptar(dialog);
    }};
    app.mainFrame().action(Command::Comentario)->trigger();

    EXPECT_EQ(host.dialogs, std::vector<QString>{QStringLiteral("DlgComentario")});
    EXPECT_EQ(target, GetParam().expectedTarget);
    EXPECT_EQ(preset, QString::fromLatin1(before));
    const std::string stored = onStep ? second.GetComment() : exercise().GetDescription();
    EXPECT_EQ(stored, suite::latin1FromUtf8("Línea uno \nLínea dos"));
    EXPECT_EQ(navigator().commentBox().toPlainText(), QStringLiteral("Línea uno \nLínea dos"));
    EXPECT_TRUE(app.isModified());
}

INSTANTIATE_TEST_SUITE_P(
    Options, ComentarioTarget,
    ::testing::Values(CommentCase{"SelectedStep", "Ejercicio de prueba", Selection::SecondStep,
                                  QStringLiteral("Paso 02")},
                      CommentCase{"Root", "Ejercicio de prueba", Selection::Root,
                                  QStringLiteral("Ejercicio - Ejercicio de prueba")},
                      CommentCase{"NothingSelected", "Ejercicio de prueba", Selection::None,
                                  QStringLiteral("Ejercicio - Ejercicio de prueba")},
                      CommentCase{"RootWithoutTitle", "", Selection::Root, QStringLiteral("Ejercicio")}),
    [](const ::testing::TestParamInfo<CommentCase>& info) { return std::string(info.param.name); });

TEST_F(Options, ComentarioCancelledOrUnchangedChangesNothing) {
    openSteps(2);
    const std::string before = exercise().GetDescription();
    host.dialogAnswers = {
        [](QDialog& dialog) {
            child<QPlainTextEdit>(dialog, "TextoComentario").setPlainText(QStringLiteral("Otro"));
            press(dialog, "Cancelar");
            return dialog.result();
        },
        pressAceptar,
    };
    app.comentario();
    app.comentario();
    EXPECT_EQ(exercise().GetDescription(), before);
    EXPECT_FALSE(app.isModified());
}

// ---- Eliminar Diagramas and Ctrl+Z ----

TEST_F(Options, EliminarDiagramasListsTheStepsInSequenceOrderPastPaso99) {
    openSteps(101);
    QStringList listed;
    bool editable = true;
    int chosenAtStart = -1;
    host.dialogAnswers = {[&](QDialog& dialog) {
        auto& steps = child<QComboBox>(dialog, "Pasos");
        for (int i = 0; i < steps.count(); ++i) {
            listed << steps.itemText(i);
        }
        editable = steps.isEditable();
        chosenAtStart = steps.currentIndex();
        steps.setCurrentIndex(steps.findText(QStringLiteral("Paso 100")));
        return pressAceptar(dialog);
    }};
    app.mainFrame().action(Command::EliminarDiagramas)->trigger();

    ASSERT_EQ(listed.size(), 101);
    for (int i = 0; i < listed.size(); ++i) {
        EXPECT_EQ(listed[i], QString::fromStdString(stepTitle(i + 1)));
    }
    EXPECT_FALSE(editable);
    EXPECT_EQ(chosenAtStart, 0);
    EXPECT_EQ(stepTitles().size(), 100U);
    EXPECT_EQ(stepTitles().back(), "Paso 100");
}

struct RemovalCase {
    const char* name;
    std::size_t keep; // the chosen step's position, of four steps
    // The double cut applied afterwards to the last step's element 1, and what it makes.
    const char* nextBracketForm;
};

void PrintTo(const RemovalCase& removal, std::ostream* out) {
    *out << removal.name;
}

class EliminarDiagramas : public Options, public ::testing::WithParamInterface<RemovalCase> {};

TEST_P(EliminarDiagramas, TheChosenStepBecomesTheLastAndTheWorkGoesOnFromIt) {
    openSteps(4);
    host.dialogAnswers = {[this](QDialog& dialog) {
        child<QComboBox>(dialog, "Pasos").setCurrentIndex(static_cast<int>(GetParam().keep));
        return pressAceptar(dialog);
    }};
    app.eliminarDiagramas();

    const std::size_t keep = GetParam().keep;
    ASSERT_EQ(stepTitles().size(), keep + 1);
    COsmiraDoc& last = *exercise().lastStep();
    EXPECT_EQ(last.GetAppliedRule(), Rule::None);
    EXPECT_EQ(app.mainFrame().mdiArea().subWindowList().size(), static_cast<qsizetype>(keep + 1));
    EXPECT_EQ(navigatorEntries().back(), last.GetTitle());
    EXPECT_EQ(navigatorEntries().size(), keep + 1);
    EXPECT_TRUE(app.isModified());
    EXPECT_EQ(app.mainFrame().action(Command::EliminarUltimoPaso)->isEnabled(), keep > 0);

    applyRule(Command::ReglaDobleCorte, 1);
    ASSERT_EQ(stepTitles().size(), keep + 2);
    EXPECT_EQ(stepTitles().back(), stepTitle(static_cast<int>(keep) + 2));
    EXPECT_EQ(bracketFormOf(*exercise().lastStep()), GetParam().nextBracketForm);
    EXPECT_EQ(navigatorEntries()[keep], last.GetTitle() + " > Doble Corte (R5)");
}

// The steps read A, [[A]], A, [[A]]: a double cut on element 1 puts one around A or takes one away.
INSTANTIATE_TEST_SUITE_P(Options, EliminarDiagramas,
                         ::testing::Values(RemovalCase{"FirstStep", 0, "[[A]]"},
                                           RemovalCase{"SecondStep", 1, "A"},
                                           RemovalCase{"ThirdStep", 2, "[[A]]"}),
                         [](const ::testing::TestParamInfo<RemovalCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(Options, EliminarDiagramasChangesNothingOnCancelarOrWithTheLastStepChosen) {
    openSteps(3);
    const std::vector<std::string> entries = navigatorEntries();
    host.dialogAnswers = {
        [](QDialog& dialog) {
            child<QComboBox>(dialog, "Pasos").setCurrentIndex(0);
            press(dialog, "Cancelar");
            return dialog.result();
        },
        [](QDialog& dialog) {
            child<QComboBox>(dialog, "Pasos").setCurrentIndex(2);
            return pressAceptar(dialog);
        },
    };
    app.eliminarDiagramas();
    app.eliminarDiagramas();
    EXPECT_EQ(stepTitles().size(), 3U);
    EXPECT_EQ(navigatorEntries(), entries);
    EXPECT_FALSE(app.isModified());
}

TEST_F(Options, CtrlZRemovesTheLastStepWithoutAskingWhileTwoOrMoreRemain) {
    app.mainFrame().show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app.mainFrame()));
    openSteps(3);
    QTest::keyClick(&app.mainFrame(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(stepTitles(), (std::vector<std::string>{"Paso 01", "Paso 02"}));
    EXPECT_EQ(navigatorEntries(), (std::vector<std::string>{"Paso 01 > Doble Corte (R5)", "Paso 02"}));
    QTest::keyClick(&app.mainFrame(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&app.mainFrame(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(stepTitles(), std::vector<std::string>{"Paso 01"});
    EXPECT_TRUE(host.dialogs.empty());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(app.isModified());
}

TEST_F(Options, TheGoalReachedAgainAfterARemovalIsAnnouncedAgain) {
    // Hypotheses A and A → B, conclusion B: deiteration, double cut and erasure reach B.
    RecordingWorkbench recorder;
    auto made = osmira::test::newExercise({"A", "A>B"}, "B", recorder);
    requestRule(*made, {Rule::Deiteration, 3, std::nullopt});
    requestRule(*made, {Rule::DoubleCut, 2, std::nullopt});
    suite::testing::writeFile(scratch / "meta.omr", SaveExercise(*made));
    app.openFile(QString::fromStdString((scratch / "meta.omr").string()));
    applyRule(Command::ReglaBorrado, 1);
    app.eliminarUltimoPaso();
    applyRule(Command::ReglaBorrado, 1);
    ASSERT_EQ(host.messages.size(), 2U);
    EXPECT_EQ(host.messages[0].text, host.messages[1].text);
    EXPECT_NE(navigator().stepItem(*exercise().lastStep())->text(0), QStringLiteral("Paso 04"));
}

// ---- Generar Informe ----

std::vector<bool> boxStates(QDialog& dialog, bool (QCheckBox::*state)() const) {
    std::vector<bool> states;
    for (const char* name : {"IncluirPortada", "Titulo", "Autor", "Fecha", "IncluirDescripcion",
                             "IncluirSecuencia", "IncluirComentarios", "IncluirInfoAlfa"}) {
        states.push_back((child<QCheckBox>(dialog, name).*state)());
    }
    return states;
}

std::vector<bool> optionValues(const ReportOptions& options) {
    return {options.bPortada,       options.bTitulo,    options.bAutor,       options.bFecha,
            options.bDocumentacion, options.bSecuencia, options.bComentarios, options.bInfoAlfa};
}

TEST(DlgInformeBoxes, PortadaEnablesItsPartsWhichKeepTheirMarksAndIncluirTodosChecksAll) {
    FakeHost host;
    DlgInforme dialog(host);
    const auto checked = &QCheckBox::isChecked;
    const auto enabled = &QCheckBox::isEnabled;
    EXPECT_EQ(boxStates(dialog, checked),
              (std::vector<bool>{true, true, true, true, true, true, false, false}));
    EXPECT_EQ(boxStates(dialog, enabled), std::vector<bool>(8, true));

    child<QCheckBox>(dialog, "Autor").click();
    child<QCheckBox>(dialog, "IncluirPortada").click();
    EXPECT_EQ(boxStates(dialog, enabled),
              (std::vector<bool>{true, false, false, false, true, true, true, true}));
    EXPECT_EQ(optionValues(dialog.options()),
              (std::vector<bool>{false, true, false, true, true, true, false, false}));

    press(dialog, "IncluirTodos");
    EXPECT_EQ(boxStates(dialog, checked), std::vector<bool>(8, true));
    EXPECT_EQ(boxStates(dialog, enabled), std::vector<bool>(8, true));
    EXPECT_EQ(optionValues(dialog.options()), std::vector<bool>(8, true));
}

bool folderHoldsOnly(const std::filesystem::path& folder, const std::vector<std::string>& names) {
    return suite::testing::namesIn(folder) == names;
}

TEST_F(Options, GenerarInformeWithoutAFileSaysSoAndWritesNothing) {
    openSteps(2);
    host.dialogAnswers = {pressAceptar};
    app.mainFrame().action(Command::GenerarInforme)->trigger();
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(host.messages[0].text,
              QStringLiteral("Debe seleccionar el archivo donde se generará el informe"));
    EXPECT_EQ(host.messages[0].caption, QStringLiteral("Osmira"));
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Information);
    EXPECT_TRUE(folderHoldsOnly(scratch.path(), {"ejercicio.omr"}));
}

TEST_F(Options, GenerarInformeWritesThePageAndItsPicturesIntoTheChosenFolder) {
    openSteps(2);
    std::filesystem::create_directory(scratch / "informe");
    const QString page = QString::fromStdString((scratch / "informe" / "pasos.htm").string());
    host.savePaths = {page};
    QString shownFile;
    QString pictureFolder;
    host.dialogAnswers = {[&](QDialog& dialog) {
        press(dialog, "Seleccionar");
        shownFile = child<QLineEdit>(dialog, "Archivo").text();
        pictureFolder = static_cast<DlgInforme&>(dialog).pictureFolder();
        return pressAceptar(dialog);
    }};
    app.generarInforme();

    EXPECT_EQ(host.fileDialogs, std::vector<QString>{QStringLiteral(
                                    "Seleccionar el nombre del informe | Documento HTML (*.htm)")});
    EXPECT_EQ(shownFile, page);
    EXPECT_EQ(pictureFolder, QString::fromStdString((scratch / "informe").string()) + QLatin1Char('/'));
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(host.messages[0].text, QStringLiteral("Informe acabado."));
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Information);
    EXPECT_TRUE(std::filesystem::exists(scratch / "informe" / "pasos.htm"));
    EXPECT_GT(std::distance(std::filesystem::directory_iterator(scratch / "informe"),
                            std::filesystem::directory_iterator()),
              1);
    EXPECT_FALSE(app.isModified());
}

TEST_F(Options, GenerarInformeReportsAFolderItCannotWriteIntoInsteadOfSuccess) {
    openSteps(1);
    const QString page = QString::fromStdString((scratch / "no-existe" / "pasos.htm").string());
    host.savePaths = {page};
    host.dialogAnswers = {[](QDialog& dialog) {
        press(dialog, "Seleccionar");
        return pressAceptar(dialog);
    }};
    app.generarInforme();
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("no-existe")))
        << host.messages[0].text.toStdString();
    EXPECT_FALSE(std::filesystem::exists(scratch / "no-existe"));
}

// A handed-in file whose step titles are paths, hidden names and markup: the window's report
// writes only into the chosen folder, as osmira-cli's does.
TEST_F(Options, GenerarInformeOfAHostileFileWritesOnlyIntoTheChosenFolder) {
    const std::filesystem::path hostile = std::filesystem::path(FUZZ_REGRESSIONS_DIR) / "osmira-report-fuzz" /
                                          "hostile-titles-comments-and-texts.omr";
    std::filesystem::copy_file(hostile, scratch / "entregado.omr");
    app.openFile(QString::fromStdString((scratch / "entregado.omr").string()));
    host.messages.clear();
    std::filesystem::create_directories(scratch / "victim");
    suite::testing::writeFile(scratch / "victim" / "notes.txt", "notes");
    std::filesystem::create_directory(scratch / "informe");
    host.savePaths = {QString::fromStdString((scratch / "informe" / "r.htm").string())};
    host.dialogAnswers = {[](QDialog& dialog) {
        press(dialog, "Seleccionar");
        press(dialog, "IncluirTodos");
        return pressAceptar(dialog);
    }};
    app.generarInforme();
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(host.messages[0].text, QStringLiteral("Informe acabado."));
    EXPECT_EQ(suite::testing::namesIn(scratch.path()),
              (std::vector<std::string>{"entregado.omr", "informe", "victim"}));
    EXPECT_EQ(suite::testing::namesIn(scratch / "victim"), std::vector<std::string>{"notes.txt"});
    EXPECT_EQ(suite::testing::readFile(scratch / "victim" / "notes.txt"), "notes");
    // The page, the six pictures of the Alpha chapter and one picture per step.
    EXPECT_EQ(suite::testing::namesIn(scratch / "informe").size(), 1U + 6U + exercise().GetSteps().size());
}

// A report long enough to be watched: forty steps of a double cut taken away from A behind 140
// signs of negation, each picture filling its nested cuts at up to 5,600 pixels square.
TEST_F(Options, GenerarInformeShowsItsProgressWhileTheWindowAnswersAndCancelledLeavesTheOldReport) {
    RecordingWorkbench recorder;
    auto deep = osmira::test::newExercise({std::string(140, '~') + "A"}, "A", recorder);
    for (int step = 1; step < 40; ++step) {
        requestRule(*deep, {Rule::DoubleCut, 1, std::nullopt});
    }
    suite::testing::writeFile(scratch / "ejercicio.omr", SaveExercise(*deep));
    app.openFile(QString::fromStdString((scratch / "ejercicio.omr").string()));
    ASSERT_NE(app.currentExercise(), nullptr);
    const std::filesystem::path folder = scratch / "informe";
    std::filesystem::create_directory(folder);
    suite::testing::writeFile(folder / "pasos.htm", "el informe anterior");
    suite::testing::writeFile(folder / "Paso 01.jpg", "su imagen");
    host.savePaths = {QString::fromStdString((folder / "pasos.htm").string())};
    host.dialogAnswers = {[](QDialog& dialog) {
        press(dialog, "Seleccionar");
        return pressAceptar(dialog);
    }};

    // The timer runs only while the event loop does; it cancels the report once its progress shows.
    int ticks = 0;
    QString shown;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        ++ticks;
        auto* progress = app.mainFrame().findChild<QProgressDialog*>(QStringLiteral("ProgresoInforme"));
        if (shown.isEmpty() && progress != nullptr && progress->isVisible()) {
            auto* cancel = progress->findChild<QPushButton*>();
            shown = progress->windowTitle() + " | " + progress->labelText() + " | " + cancel->text();
            cancel->click();
        }
    });
    watch.start(20);
    app.generarInforme();
    watch.stop();

    EXPECT_GT(ticks, 1);
    EXPECT_EQ(shown, QStringLiteral("Osmira | Generando el informe… | Cancelar"));
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(host.messages[0].text, QStringLiteral("Informe cancelado: no se ha cambiado ningún fichero."));
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Information);
    EXPECT_TRUE(folderHoldsOnly(folder, {"Paso 01.jpg", "pasos.htm"}));
    EXPECT_EQ(suite::testing::readFile(folder / "pasos.htm"), "el informe anterior");
    EXPECT_EQ(suite::testing::readFile(folder / "Paso 01.jpg"), "su imagen");
}

} // namespace
} // namespace osmira::workbench
