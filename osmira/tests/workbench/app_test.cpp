// The application with its main window: menus per state, the exercise commands, the save
// question on every path that discards work, step numbering, the rules from the toolbar and
// the keyboard, file errors and the goal message. Every modal window answers through FakeHost.
#include "child_frame.h"
#include "dlg_navegador.h"
#include "dlg_navegador_inicial.h"
#include "fake_host.h"
#include "main_frame.h"
#include "osmira_app.h"
#include "osmira_view.h"
#include "printing.h"
#include "test_support.h"
#include "widget_support.h"
#include "window_workbench.h"

#include "osmira/archive/exercise_archive.h"
#include "osmira/model/element_list.h"
#include "osmira/rules/rule_request.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>

#include "suite_testing/scratch_folder.h"
#include "suite_testing/small_disk.h"

namespace osmira::workbench {
namespace {

using test::acceptData;
using test::acceptFormulas;
using test::acceptTheorem;
using test::FakeHost;

// An exercise of `steps` steps from the hypothesis A towards B: double cuts put around A and
// taken away.
std::string exerciseBytes(int steps) {
    RecordingWorkbench recorder;
    auto exercise = osmira::test::newExercise({"A"}, "B", recorder);
    for (int step = 1; step < steps; ++step) {
        requestRule(*exercise, {Rule::DoubleCut, 1, std::nullopt});
    }
    return SaveExercise(*exercise);
}

QString writeFile(const suite::testing::ScratchFolder& folder, const char* name, const std::string& bytes) {
    suite::testing::writeFile(folder / name, bytes);
    return QString::fromStdString((folder / name).string());
}

QStringList menuTitles(const CMainFrame& frame) {
    QStringList titles;
    for (const QAction* menu : frame.menuBar()->actions()) {
        titles << menu->text();
    }
    return titles;
}

class Application : public ::testing::Test {
  protected:
    void openSteps(int steps) {
        host.openPaths.push_back(writeFile(scratch, "ejercicio.omr", exerciseBytes(steps)));
        app.abrir();
        ASSERT_NE(app.currentExercise(), nullptr);
    }
    // Brings the last step's window forward, selects an element in it and applies the rule from
    // the menu's action.
    void applyFromMenu(Command rule, std::size_t element) {
        app.workbench().OpenWindow(*app.currentExercise()->lastStep());
        CChildFrame* active = app.mainFrame().activeStepWindow();
        ASSERT_NE(active, nullptr);
        COsmiraDoc& step = *active->document();
        step.SetSelectedElement(step.GetElements().at(element).get());
        app.mainFrame().action(rule)->trigger();
    }
    std::vector<std::string> stepTitles() const {
        std::vector<std::string> titles;
        for (const auto& step : app.currentExercise()->GetSteps()) {
            titles.push_back(step->GetTitle());
        }
        return titles;
    }

    suite::testing::ScratchFolder scratch;
    FakeHost host;
    COsmiraApp app{host};
};

QStringList qtWarnings;

// Qt's warnings, except the offscreen platform's own about what it cannot do.
void keepQtWarning(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtDebugMsg && type != QtInfoMsg &&
        !message.startsWith(QLatin1String("This plugin does not support"))) {
        qtWarnings << message;
    }
}

TEST(ApplicationStart, TheMainWindowComesUpWithinTheScreenWithoutQtWarnings) {
    qtWarnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepQtWarning);
    QSettings().clear(); // a first start: no window geometry kept from an earlier one
    {
        FakeHost host;
        COsmiraApp app{host};
        app.mainFrame().show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&app.mainFrame()));
        const QSize room = app.mainFrame().screen()->availableSize();
        EXPECT_LE(app.mainFrame().frameGeometry().width(), room.width());
        EXPECT_LE(app.mainFrame().frameGeometry().height(), room.height());
    }
    qInstallMessageHandler(previous);
    EXPECT_EQ(qtWarnings.join(QLatin1Char('\n')).toStdString(), "");
}

TEST(PrintingModule, LoadsFromTheProgramsInstallationAndTellsWhyItCannot) {
    EXPECT_NE(loadPrinting().module, nullptr) << loadPrinting().reason.toStdString();
    const PrintingLoad missing = loadPrintingFrom(QStringLiteral("/no/such/folder"));
    EXPECT_EQ(missing.module, nullptr);
    EXPECT_TRUE(missing.reason.contains(QLatin1String("osmira-printing"))) << missing.reason.toStdString();
}

TEST_F(Application, MenusFollowTheExerciseState) {
    const QStringList start{"&Ejercicio", "&Ver", "Ay&uda"};
    const QStringList exercise{"&Ejecicio", "&Ver", "&Diagrama", "&Opciones", "Ay&uda"};
    EXPECT_EQ(menuTitles(app.mainFrame()), start);
    openSteps(1);
    EXPECT_EQ(menuTitles(app.mainFrame()), exercise);
    EXPECT_EQ(app.mainFrame().windowTitle(), "Osmira - ejercicio.omr[*] - Paso 01");
    app.cerrar();
    EXPECT_EQ(menuTitles(app.mainFrame()), start);
    EXPECT_EQ(app.mainFrame().windowTitle(), "Osmira");
}

// The Diagrama menu once spelled its keys "Control+1" and "Escape" beside the Ejercicio menu's
// "Ctrl+N": every key text of every menu is spelled the one way and names a key of its command.
TEST_F(Application, EveryMenuSpellsItsKeysTheSameWay) {
    openSteps(1);
    int keys = 0;
    for (const QAction* title : app.mainFrame().menuBar()->actions()) {
        for (const QAction* item : title->menu()->actions()) {
            const QString key = item->text().section(QLatin1Char('\t'), 1);
            if (key.isEmpty()) {
                continue;
            }
            ++keys;
            QStringList spelled;
            for (const QKeySequence& shortcut : item->shortcuts()) {
                spelled << shortcut.toString(QKeySequence::PortableText);
            }
            EXPECT_TRUE(spelled.contains(key)) << item->text().toStdString();
        }
    }
    EXPECT_GE(keys, 9); // the Ejecicio menu's, Puntero and the five rules at least
}

TEST_F(Application, NuevoMakesTheFirstStepFromTheDialogs) {
    host.dialogAnswers = {acceptData, acceptFormulas({"A", "A→B"}, "B")};
    app.nuevo();
    ASSERT_NE(app.currentExercise(), nullptr);
    EXPECT_EQ(app.currentExercise()->GetTitle(), "Ejercicio de prueba");
    EXPECT_EQ(stepTitles(), std::vector<std::string>{"Paso 01"});
    EXPECT_EQ(app.mainFrame().mdiArea().subWindowList().size(), 1);
    EXPECT_TRUE(app.mainFrame().showsExerciseMenu());
    EXPECT_TRUE(app.isModified());
}

// A teacher may set an exercise whose conclusion does not follow: it is made all the same, and
// the note with the counterexample comes once, only then.
TEST_F(Application, NuevoTellsOnceWhenTheConclusionDoesNotFollow) {
    for (const auto& [conclusion, notes] :
         {std::pair{QStringLiteral("B"), 1U}, {QStringLiteral("A∨B"), 0U}}) {
        host.messages.clear();
        host.dialogAnswers = {acceptData, acceptFormulas({"A"}, conclusion)};
        host.saveAnswer = SaveChanges::Discard;
        app.nuevo();
        ASSERT_NE(app.currentExercise(), nullptr);
        EXPECT_EQ(stepTitles(), std::vector<std::string>{"Paso 01"});
        ASSERT_EQ(host.messages.size(), notes) << conclusion.toStdString();
        if (notes == 1) {
            EXPECT_EQ(host.messages[0].text,
                      QStringLiteral("La conclusión no se sigue de las hipótesis: con A "
                                     "verdadera y B falsa, las hipótesis son verdaderas y "
                                     "la conclusión es falsa."));
            EXPECT_EQ(host.messages[0].icon, MessageIcon::Information);
        }
    }
}

// "Nuevo teorema…" comes after the start menu's own items, which keep their texts. From its one
// formula it makes an exercise without hypotheses whose first step is the empty sheet, with the
// note when the formula is no tautology; an empty entry is refused in its dialog.
TEST_F(Application, NuevoTeoremaMakesAnExerciseFromTheEmptySheet) {
    QStringList items;
    for (const QAction* item : app.mainFrame().menuBar()->actions().front()->menu()->actions()) {
        items << item->text();
    }
    EXPECT_EQ(items, (QStringList{"&Nuevo\tCtrl+N", "&Abrir...\tCtrl+A", "", "Con&figurar impresora...", "",
                                  "&Salir", "", "Nuevo &teorema…"}));
    QAction& command = *app.mainFrame().menuBar()->actions().front()->menu()->actions().back();
    struct Case {
        QString typed;
        std::string conclusion; // its bracket form; empty when the dialog refuses the entry
        QString message;
    };
    for (const Case& c :
         {Case{QString(), "", QStringLiteral("Debe introducir una fórmula")},
          Case{QStringLiteral("((p→q)→p)→p"), "[[[P[Q]][P]][P]]", QString()},
          Case{QStringLiteral("a→b"), "[A[B]]",
               QStringLiteral("La conclusión no es una tautología: con A verdadera y B falsa, la conclusión "
                              "es falsa.")}}) {
        SCOPED_TRACE(c.typed.toStdString());
        host.messages.clear();
        host.saveAnswer = SaveChanges::Discard;
        host.dialogAnswers = {acceptTheorem(c.typed)};
        command.trigger();
        EXPECT_EQ(host.dialogs.back(), "DlgNuevoTeorema");
        ASSERT_EQ(host.messages.size(), c.message.isEmpty() ? 0U : 1U);
        if (!c.message.isEmpty()) {
            EXPECT_EQ(host.messages[0].text, c.message);
        }
        if (c.conclusion.empty()) {
            EXPECT_EQ(app.currentExercise(), nullptr);
            continue;
        }
        const CEjercicio& exercise = *app.currentExercise();
        EXPECT_EQ(exercise.GetHypotheses(), "");
        EXPECT_EQ(exercise.GetConclusion(), c.conclusion);
        ASSERT_EQ(stepTitles(), std::vector<std::string>{"Paso 01"});
        EXPECT_EQ(bracketFormOf(*exercise.lastStep()), "");
        EXPECT_EQ(bracketFormOf(*exercise.GetFinalDiagram()), c.conclusion);
        EXPECT_TRUE(app.mainFrame().showsExerciseMenu());
        EXPECT_TRUE(app.isModified());
        app.cerrar();
    }
}

TEST_F(Application, CancelledFormulasLeaveAnExerciseWithoutStepsThatCanBeSaved) {
    host.dialogAnswers = {acceptData};
    app.nuevo();
    ASSERT_NE(app.currentExercise(), nullptr);
    EXPECT_TRUE(app.currentExercise()->GetSteps().empty());
    EXPECT_FALSE(app.mainFrame().showsExerciseMenu());
    const QString path = QString::fromStdString((scratch / "sin-pasos.omr").string());
    host.savePaths.push_back(path);
    EXPECT_TRUE(app.guardar());
    EXPECT_EQ(app.exercisePath(), path);
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_FALSE(app.isModified());
}

TEST_F(Application, StepsAreNumberedAfterOpeningClosingAndRemoving) {
    openSteps(5);
    applyFromMenu(Command::ReglaDobleCorte, 1);
    EXPECT_EQ(stepTitles().back(), "Paso 06");
    app.currentExercise()->removeStepsAfter(2);
    applyFromMenu(Command::ReglaDobleCorte, 1);
    EXPECT_EQ(stepTitles(), (std::vector<std::string>{"Paso 01", "Paso 02", "Paso 03", "Paso 04"}));
    host.saveAnswer = SaveChanges::Discard;
    app.cerrar();
    host.dialogAnswers = {acceptData, acceptFormulas({"A"}, "")};
    app.nuevo();
    EXPECT_EQ(stepTitles(), std::vector<std::string>{"Paso 01"});
}

TEST_F(Application, RulesWorkFromTheMenuAndFromTheKeyboard) {
    app.mainFrame().show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app.mainFrame()));
    openSteps(1);
    applyFromMenu(Command::ReglaDobleCorte, 1);
    ASSERT_EQ(stepTitles().size(), 2U);
    CChildFrame* active = app.mainFrame().activeStepWindow();
    ASSERT_NE(active, nullptr);
    EXPECT_EQ(active->document()->GetTitle(), "Paso 02");
    active->document()->SetSelectedElement(active->document()->GetElements().at(1).get());
    QTest::keyClick(&app.mainFrame(), Qt::Key_5, Qt::ControlModifier);
    EXPECT_EQ(stepTitles().size(), 3U);
    EXPECT_TRUE(app.isModified());
    EXPECT_TRUE(app.mainFrame().action(Command::Puntero)->isChecked());
}

// Each path that would discard a modified exercise, and how to tell that it went on.
struct DiscardPath {
    const char* name;
    std::function<void(COsmiraApp&, FakeHost&, const QString& otherFile)> run;
    std::function<bool(const COsmiraApp&)> wentOn;
};

bool exerciseClosed(const COsmiraApp& app) {
    return app.currentExercise() == nullptr;
}
bool windowClosed(const COsmiraApp& app) {
    return !app.mainFrame().isVisible();
}
// The modified exercise has two steps; the new one has one and the other file three. (Its
// address tells nothing: a new exercise may well take the memory of the one just closed.)
bool exerciseReplaced(const COsmiraApp& app) {
    return app.currentExercise() != nullptr && app.currentExercise()->GetSteps().size() != 2;
}

void PrintTo(const DiscardPath& path, std::ostream* out) {
    *out << path.name;
}

std::size_t stepsInFile(const std::filesystem::path& path) {
    const ExerciseRead read = LoadExercise(suite::testing::readFile(path));
    return read.value ? read.value->GetSteps().size() : 0;
}

class SaveQuestion : public Application, public ::testing::WithParamInterface<DiscardPath> {
  protected:
    void SetUp() override {
        other = writeFile(scratch, "otro.omr", exerciseBytes(3));
        app.mainFrame().show();
        openSteps(1);
        applyFromMenu(Command::ReglaDobleCorte, 1);
        before = app.currentExercise();
    }
    QString other;
    const CEjercicio* before = nullptr;
};

TEST_P(SaveQuestion, CancelKeepsTheWorkAndDiscardGoesOn) {
    host.saveAnswer = SaveChanges::Cancel;
    GetParam().run(app, host, other);
    EXPECT_EQ(host.saveQuestions, 1);
    EXPECT_EQ(app.currentExercise(), before);
    EXPECT_EQ(app.currentExercise()->GetSteps().size(), 2U);
    EXPECT_TRUE(app.isModified());
    EXPECT_TRUE(app.mainFrame().isVisible());

    host.saveAnswer = SaveChanges::Discard;
    GetParam().run(app, host, other);
    EXPECT_EQ(host.saveQuestions, 2);
    EXPECT_TRUE(GetParam().wentOn(app));
    EXPECT_EQ(stepsInFile(scratch / "ejercicio.omr"), 1U);
}

TEST_P(SaveQuestion, SaveWritesTheExerciseFirst) {
    host.saveAnswer = SaveChanges::Save;
    GetParam().run(app, host, other);
    EXPECT_EQ(stepsInFile(scratch / "ejercicio.omr"), 2U);
    EXPECT_TRUE(GetParam().wentOn(app));
}

INSTANTIATE_TEST_SUITE_P(
    Application, SaveQuestion,
    ::testing::Values(
        DiscardPath{"Cerrar", [](COsmiraApp& app, FakeHost&, const QString&) { app.cerrar(); },
                    exerciseClosed},
        DiscardPath{"Salir", [](COsmiraApp& app, FakeHost&, const QString&) { app.salir(); }, windowClosed},
        DiscardPath{"CloseButton",
                    [](COsmiraApp& app, FakeHost&, const QString&) {
                        QTest::keyClick(&app.mainFrame(), Qt::Key_F4, Qt::AltModifier);
                        app.mainFrame().close();
                    },
                    windowClosed},
        DiscardPath{"Nuevo",
                    [](COsmiraApp& app, FakeHost& host, const QString&) {
                        host.dialogAnswers = {acceptData, acceptFormulas({"B"}, "")};
                        app.nuevo();
                    },
                    exerciseReplaced},
        DiscardPath{"NuevoTeorema",
                    [](COsmiraApp& app, FakeHost& host, const QString&) {
                        host.dialogAnswers = {acceptTheorem(QStringLiteral("A∨¬A"))};
                        app.nuevoTeorema();
                    },
                    exerciseReplaced},
        DiscardPath{"Abrir",
                    [](COsmiraApp& app, FakeHost& host, const QString& other) {
                        host.openPaths = {other};
                        app.abrir();
                    },
                    exerciseReplaced},
        DiscardPath{"FileArgument",
                    [](COsmiraApp& app, FakeHost&, const QString& other) { app.openFile(other); },
                    exerciseReplaced},
        DiscardPath{"DroppedFile",
                    [](COsmiraApp& app, FakeHost&, const QString& other) {
                        QMimeData dropped;
                        dropped.setUrls({QUrl::fromLocalFile(other)});
                        // Straight to the window: the application routes only drops that a real
                        // drag started.
                        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &dropped, Qt::LeftButton,
                                        Qt::NoModifier);
                        static_cast<QObject&>(app.mainFrame()).event(&drop);
                    },
                    exerciseReplaced}),
    [](const ::testing::TestParamInfo<DiscardPath>& info) { return std::string(info.param.name); });

TEST_F(Application, UnreadableFilesAndFailedSavesChangeNothing) {
    openSteps(1);
    applyFromMenu(Command::ReglaDobleCorte, 1);
    const CEjercicio* open = app.currentExercise();
    host.saveAnswer = SaveChanges::Discard;

    const QString corrupt = writeFile(scratch, "roto.omr", "no es un ejercicio");
    app.openFile(corrupt);
    const QString missing = QString::fromStdString((scratch / "no-existe" / "x.omr").string());
    app.openFile(missing);
    host.savePaths.push_back(missing);
    EXPECT_FALSE(app.guardarComo());

    ASSERT_EQ(host.messages.size(), 3U);
    EXPECT_TRUE(host.messages[0].text.contains(corrupt));
    EXPECT_TRUE(host.messages[1].text.contains(missing));
    EXPECT_TRUE(host.messages[1].text.contains(QStringLiteral("El fichero no existe.")));
    EXPECT_TRUE(host.messages[2].text.contains(QStringLiteral("La carpeta no existe.")));
    EXPECT_EQ(app.currentExercise(), open);
    EXPECT_TRUE(app.exercisePath().endsWith(QStringLiteral("ejercicio.omr")));
    EXPECT_TRUE(app.isModified());
}

// Guardar once left a file of 0 bytes and no message on a full disk; a FIFO once hung the window.
TEST_F(Application, AFullDiskKeepsTheSavedExerciseAndAFifoIsRefusedAtOnce) {
    suite::testing::SmallDisk disk(scratch / "disk");
    if (!disk.mounted()) {
        GTEST_SKIP() << disk.whyNot();
    }
    const std::string saved = exerciseBytes(1);
    const QString path = QString::fromStdString((disk.path() / "ejercicio.omr").string());
    suite::testing::writeFile(path.toStdString(), saved);
    app.openFile(path);
    applyFromMenu(Command::ReglaDobleCorte, 1);
    disk.fill();
    EXPECT_FALSE(app.guardar());
    EXPECT_EQ(suite::testing::readFile(path.toStdString()), saved);
    EXPECT_TRUE(app.isModified());

    host.saveAnswer = SaveChanges::Discard;
    const QString fifo = QString::fromStdString((scratch / "fifo.omr").string());
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    app.openFile(fifo);
    ASSERT_EQ(host.messages.size(), 2U);
    EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("el disco está lleno")));
    EXPECT_TRUE(host.messages[1].text.contains(QStringLiteral("No es un fichero corriente")));
}

// What another program does to the open exercise's file before Guardar, and what the student
// answers when asked.
struct DiskChange {
    const char* name;
    std::function<void(const std::filesystem::path&)> change;
    bool answer;
    bool asked;
    std::size_t stepsInFile;
};

void PrintTo(const DiskChange& change, std::ostream* out) {
    *out << change.name;
}

class ChangedOnDisk : public Application, public ::testing::WithParamInterface<DiskChange> {};

// The exercise opened has one step and the window's two; the other program writes three.
TEST_P(ChangedOnDisk, GuardarAsksBeforeReplacingWhatAnotherProgramWrote) {
    openSteps(1);
    applyFromMenu(Command::ReglaDobleCorte, 1);
    const std::filesystem::path path = scratch / "ejercicio.omr";
    GetParam().change(path);
    host.replaceAnswer = GetParam().answer;
    EXPECT_EQ(app.guardar(), !GetParam().asked || GetParam().answer);
    EXPECT_EQ(host.replaceQuestions, GetParam().asked ? std::vector<QString>{QStringLiteral("ejercicio.omr")}
                                                      : std::vector<QString>{});
    EXPECT_EQ(stepsInFile(path), GetParam().stepsInFile);
    EXPECT_EQ(app.isModified(), GetParam().asked && !GetParam().answer);
    EXPECT_EQ(app.currentExercise()->GetSteps().size(), 2U);
}

INSTANTIATE_TEST_SUITE_P(
    Application, ChangedOnDisk,
    ::testing::Values(DiskChange{"Unchanged", [](const std::filesystem::path&) {}, false, false, 2},
                      DiskChange{"RewrittenInPlaceKept",
                                 [](const std::filesystem::path& path) {
                                     suite::testing::writeFile(path, exerciseBytes(3));
                                 },
                                 false, true, 3},
                      DiskChange{"ReplacedByRenameOverwritten",
                                 [](const std::filesystem::path& path) {
                                     suite::testing::writeFile(path.string() + ".new", exerciseBytes(3));
                                     std::filesystem::rename(path.string() + ".new", path);
                                 },
                                 true, true, 2},
                      DiskChange{"RemovedWrittenAgain",
                                 [](const std::filesystem::path& path) { std::filesystem::remove(path); },
                                 true, true, 2},
                      // The same bytes, written again within the same second: only the nanoseconds tell.
                      DiskChange{"TouchedWithinTheSecondKept",
                                 [](const std::filesystem::path& path) {
                                     struct stat status {};
                                     ::stat(path.c_str(), &status);
                                     timespec times[2] = {status.st_atim, status.st_mtim};
                                     times[1].tv_nsec = (times[1].tv_nsec + 1) % 1000000000;
                                     ::utimensat(AT_FDCWD, path.c_str(), times, 0);
                                 },
                                 false, true, 1}),
    [](const ::testing::TestParamInfo<DiskChange>& info) { return std::string(info.param.name); });

// Guardar como never asks: the file it writes is the one Guardar then watches.
TEST_F(Application, GuardarComoTakesTheNewFileWithoutAsking) {
    openSteps(1);
    applyFromMenu(Command::ReglaDobleCorte, 1);
    std::filesystem::remove(scratch / "ejercicio.omr");
    host.savePaths.push_back(QString::fromStdString((scratch / "otro.omr").string()));
    EXPECT_TRUE(app.guardarComo());
    EXPECT_TRUE(host.replaceQuestions.empty());
    suite::testing::writeFile(scratch / "otro.omr", exerciseBytes(3));
    EXPECT_FALSE(app.guardar());
    EXPECT_EQ(host.replaceQuestions, std::vector<QString>{QStringLiteral("otro.omr")});
}

// Salir once closed the main window but left the help open, and with it the process running.
TEST_F(Application, SalirLeavesNoWindowOpen) {
    app.mainFrame().show();
    app.temasDeAyuda();
    app.salir();
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
    }
}

// The title's marker once vanished whenever another step window became the active one.
TEST_F(Application, TheTitleKeepsItsModifiedMarkerWhenTheActiveStepChanges) {
    app.mainFrame().show();
    openSteps(2);
    applyFromMenu(Command::ReglaDobleCorte, 1);
    ASSERT_TRUE(app.isModified());
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"EliminarUltimoPaso", [this] { app.eliminarUltimoPaso(); }},
        {"another step window",
         [this] { app.workbench().OpenWindow(*app.currentExercise()->GetSteps().front()); }},
        {"closing the active step window", [this] { app.mainFrame().activeStepWindow()->close(); }},
    };
    for (const auto& [name, change] : changes) {
        change();
        QCoreApplication::processEvents();
        EXPECT_TRUE(app.mainFrame().isWindowModified()) << name;
        EXPECT_TRUE(app.mainFrame().windowTitle().contains(QStringLiteral("[*]"))) << name;
    }
}

TEST_F(Application, ImprimirPrintsTheActiveStepOnlyWhenConfirmed) {
    openSteps(2);
    host.printFile = QString::fromStdString((scratch / "paso.pdf").string());
    app.imprimir();
    EXPECT_FALSE(QFile::exists(host.printFile));
    host.printAnswer = true;
    app.imprimir();
    EXPECT_EQ(suite::testing::readFile(scratch / "paso.pdf").substr(0, 5), "%PDF-");
    app.presentacionPreliminar();
    ASSERT_FALSE(host.dialogs.empty());
    EXPECT_EQ(host.dialogs.back(), QStringLiteral("PresentacionPreliminar"));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(Application, ReachingTheConclusionIsAnnouncedOnceAndMarked) {
    // A and A → B as hypotheses, B as conclusion: deiteration, double cut, erasure.
    host.dialogAnswers = {acceptData, acceptFormulas({"A", "A→B"}, "B")};
    app.nuevo();
    applyFromMenu(Command::ReglaDesiteracion, 3);
    applyFromMenu(Command::ReglaDobleCorte, 2);
    EXPECT_TRUE(host.messages.empty());
    applyFromMenu(Command::ReglaBorrado, 1);
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(host.messages[0].text,
              QStringLiteral("¡Ejercicio resuelto! Se ha alcanzado el diagrama final."));
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Information);
    const DlgNavegador* navigator = app.mainFrame().navigatorBar().panel();
    ASSERT_NE(navigator, nullptr);
    EXPECT_NE(navigator->stepItem(*app.currentExercise()->lastStep())->text(0), QStringLiteral("Paso 04"));

    applyFromMenu(Command::ReglaDobleCorte, 1); // away from the goal and back: said once only
    applyFromMenu(Command::ReglaDobleCorte, 1);
    EXPECT_EQ(host.messages.size(), 1U);
}

} // namespace
} // namespace osmira::workbench
