#include "help_window.h"
#include "main_window.h"
#include "qt_host.h"
#include "varquen/formula_file.h"
#include "varquen/symbol_signs.h"
#include "varquen/translation.h"

#include "suite_testing/scratch_folder.h"
#include "suite_testing/small_disk.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <fstream>

using suite::testing::readFile;
using varquen::app::TForm1;

namespace {

// Answers the dialogs from queues and records every box, question, help request and quit. The save
// dialog answers with the "*.txt" entry chosen, as it opens, and existing files may be replaced,
// unless the queues say otherwise.
struct FakeHost : varquen::app::Host {
    std::deque<QString> openAnswers, saveAnswers, saveFilterAnswers;
    std::deque<bool> replaceAnswers;
    std::vector<QString> savePresets, saveFilters, replaceQuestions;
    std::vector<std::pair<QString, QString>> messages; // caption, text
    std::vector<QString> helpRequests;
    int quits = 0;

    std::vector<QString> openFilters;

    QString openFileName(const QString& filter) override {
        openFilters.push_back(filter);
        return next(openAnswers);
    }
    varquen::app::SaveChoice saveFileName(const QString& filter, const QString& preset) override {
        saveFilters.push_back(filter);
        savePresets.push_back(preset);
        const QString pattern = saveFilterAnswers.empty() ? QStringLiteral("*.txt") : next(saveFilterAnswers);
        return {next(saveAnswers), pattern};
    }
    bool confirmReplace(const QString& path) override {
        replaceQuestions.push_back(path);
        if (replaceAnswers.empty()) {
            return true;
        }
        const bool answer = replaceAnswers.front();
        replaceAnswers.pop_front();
        return answer;
    }
    void showMessage(const QString& text, const QString& caption) override {
        messages.emplace_back(caption, text);
    }
    void showHelp(const QString& file, const QString& topic) override {
        helpRequests.push_back(file + "#" + topic);
    }
    void quit() override { ++quits; }

    static QString next(std::deque<QString>& answers) {
        if (answers.empty()) {
            return {};
        }
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class MainWindowTest : public testing::Test {
  protected:
    FakeHost host;
    TForm1 window{host};
    suite::testing::ScratchFolder folder;

    template <typename T> T* find(const char* name) {
        T* widget = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void enter(const char* field, const QString& text) {
        QLineEdit* edit = find<QLineEdit>(field);
        edit->setText(text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    void trigger(const char* action) { find<QAction>(action)->trigger(); }
    QString status() { return find<QLabel>("Label7")->text(); }
    QString pane() { return find<QTextEdit>("RichEdit2")->toPlainText(); }
    QStringList items(const char* list) {
        QStringList result;
        QListWidget* widget = find<QListWidget>(list);
        for (int row = 0; row < widget->count(); ++row) {
            result << widget->item(row)->text();
        }
        return result;
    }
    void enterWorkedExample() {
        enter("Edit1", "A");
        enter("Edit1", "B");
        enter("Edit2", "x:1");
        enter("Edit2", "y:2");
        enter("Edit3", "f:1,2");
        enter("Edit4", "R:2");
        window.setFormula("paratodo x R x f y");
    }
    // A path in the scratch folder as the file dialogs answer it.
    QString pathOf(const char* name) const { return QString::fromStdString((folder / name).string()); }
    static void writeFile(const QString& path, const std::string& bytes) {
        suite::testing::writeFile(path.toStdString(), bytes);
    }
};

// The task bar showed a generic picture: the window had no icon.
TEST_F(MainWindowTest, WindowCarriesTheProgramIcon) {
    ASSERT_FALSE(window.windowIcon().isNull());
    const QImage picture = window.windowIcon().pixmap(32, 32).toImage();
    ASSERT_EQ(picture.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(picture.pixel(16, 16)), 255);
}

TEST_F(MainWindowTest, EnterMovesEachFieldToItsListUnchanged) {
    const std::pair<const char*, const char*> fields[] = {
        {"Edit1", "ListBox1"}, {"Edit2", "ListBox2"}, {"Edit3", "ListBox3"}, {"Edit4", "ListBox4"}};
    for (const auto& [edit, list] : fields) {
        enter(edit, " p : 1 ");
        enter(edit, "");
        EXPECT_EQ(items(list), (QStringList{" p : 1 ", ""})) << list;
        EXPECT_TRUE(find<QLineEdit>(edit)->text().isEmpty()) << edit;
    }
}

TEST_F(MainWindowTest, TabFollowsTheDesignedOrder) {
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    find<QLineEdit>("Edit1")->setFocus();
    const QStringList expected = {"Edit1",   "ListBox1", "Edit2",     "ListBox2",  "Edit3",    "ListBox3",
                                  "Edit4",   "ListBox4", "RichEdit1", "RichEdit2", "Button1",  "Button2",
                                  "Button3", "Button4",  "Button5",   "Button6",   "CheckBox1"};
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        visited << focused->objectName();
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    EXPECT_EQ(visited.join(' ').toStdString(), expected.join(' ').toStdString());
    EXPECT_TRUE(window.formula().empty()); // Tab moved on instead of entering the formula
}

// A list line holds one line: a line break pasted into an entry field would split the entry in
// two when the formula file is read back.
TEST_F(MainWindowTest, ListsSurviveSaveAndLoadWhateverWasPasted) {
    for (const QString& pasted :
         {QStringLiteral("A:1\nB:1"), QStringLiteral("A:1\r\nB:1"), QStringLiteral("C:1")}) {
        for (const char* field : {"Edit1", "Edit2", "Edit3", "Edit4"}) {
            QLineEdit* edit = find<QLineEdit>(field);
            QApplication::clipboard()->setText(pasted);
            edit->paste();
            QTest::keyClick(edit, Qt::Key_Return);
        }
    }
    const varquen::Declarations before = window.declarations();
    EXPECT_EQ(before.relations.back(), "C:1"); // the clipboard does reach the fields
    const QString path = pathOf("pasted.txt");
    host.saveAnswers.push_back(path);
    trigger("Guardar1");
    host.openAnswers.push_back(path);
    trigger("Abrir1");
    const varquen::Declarations after = window.declarations();
    EXPECT_EQ(after.universes, before.universes);
    EXPECT_EQ(after.variables, before.variables);
    EXPECT_EQ(after.functions, before.functions);
    EXPECT_EQ(after.relations, before.relations);
}

TEST_F(MainWindowTest, SymbolButtonsInsertBlankSignBlankAtTheCaret) {
    const std::pair<const char*, QString> buttons[] = {{"Button1", "→"}, {"Button2", "¬"}, {"Button3", "∧"},
                                                       {"Button4", "∨"}, {"Button5", "∃"}, {"Button6", "∀"}};
    const std::string bytes[] = {"\xAE", "\xD8", "\xD9", "\xDA", "\x24", "\x22"};
    auto* editor = find<QTextEdit>("RichEdit1");
    for (int i = 0; i < 6; ++i) {
        window.setFormula("p x q x");
        QTextCursor cursor = editor->textCursor();
        cursor.setPosition(3);
        cursor.setPosition(5, QTextCursor::KeepAnchor); // a selection collapses to its start
        editor->setTextCursor(cursor);
        QTest::mouseClick(find<QPushButton>(buttons[i].first), Qt::LeftButton);
        EXPECT_EQ(editor->toPlainText(), "p x " + buttons[i].second + "  q x") << buttons[i].first;
        EXPECT_EQ(window.formula(), "p x " + bytes[i] + "  q x") << buttons[i].first;
        EXPECT_EQ(editor->textCursor().position(), 6) << buttons[i].first;
    }
}

TEST_F(MainWindowTest, TypedSymbolBytesAreShownAsTheirSigns) {
    auto* editor = find<QTextEdit>("RichEdit1");
    editor->setFocus();
    QTest::keyClicks(editor, "\"x $y =");
    EXPECT_EQ(editor->toPlainText(), "∀x ∃y =");
    EXPECT_EQ(window.formula(), "\x22x \x24y =");
}

TEST_F(MainWindowTest, TranslationShowsOutputAndStatus) {
    enterWorkedExample();
    trigger("Generar1");
    EXPECT_EQ(pane(), "( B y ∧ ∀ x (A x → R x f y ))");
    EXPECT_EQ(status(), "OK");
    find<QCheckBox>("CheckBox1")->setChecked(true);
    trigger("Generar1");
    EXPECT_EQ(pane(), "( B y \\land \\forall x (A x \\rightarrow R x f y ))");
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(MainWindowTest, FailedTranslationReportsAndKeepsThePane) {
    enterWorkedExample();
    trigger("Generar1");
    const QString before = pane();
    window.setFormula("and R x y");
    trigger("Generar1");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].first, "Fin inesperado");
    EXPECT_EQ(host.messages[0].second, "\nLo hecho de la traducción es:\n(R x y  and  ");
    EXPECT_EQ(status(), "Fin inesperado");
    EXPECT_EQ(pane(), before);
}

TEST_F(MainWindowTest, EachRefusedDeclarationIsShownOnce) {
    enter("Edit1", "A");
    enter("Edit2", "x:7");
    enter("Edit4", "A:1");
    window.setFormula("not not");
    trigger("Generar1");
    ASSERT_EQ(host.messages.size(), 3u);
    EXPECT_EQ(host.messages[0].first, "Error en declaración de variable");
    EXPECT_EQ(host.messages[1], std::make_pair(QString("Error"), QString("El token A esta repetido")));
    EXPECT_EQ(host.messages[2].first, "Fin inesperado");
}

TEST_F(MainWindowTest, BorrarEmptiesListsFormulaPaneAndStatusButNotTheFields) {
    enterWorkedExample();
    trigger("Generar1");
    find<QLineEdit>("Edit3")->setText("g:1");
    trigger("Nuevo1");
    for (const char* list : {"ListBox1", "ListBox2", "ListBox3", "ListBox4"}) {
        EXPECT_TRUE(items(list).isEmpty()) << list;
    }
    EXPECT_TRUE(window.formula().empty());
    EXPECT_TRUE(pane().isEmpty());
    EXPECT_TRUE(status().isEmpty());
    EXPECT_EQ(find<QLineEdit>("Edit3")->text(), "g:1");
}

TEST_F(MainWindowTest, SaveAndLoadRoundTripWithCrLfAndWholeWordKeywords) {
    enter("Edit1", "A");
    enter("Edit2", "x:1");
    enter("Edit4", "menor:2");
    window.setFormula("or menor x x \xD8 menor x x");
    const QString path = pathOf("formula.txt");
    host.saveAnswers.push_back(path);
    trigger("Guardar1");
    EXPECT_EQ(status(), "Fichero guardado");
    EXPECT_EQ(readFile(path.toStdString()),
              "uni\r\nA\r\nvar\r\nx:1\r\nrel\r\nmenor:2\r\nfor\r\nor menor x x  not  menor x x");

    trigger("Nuevo1");
    host.openAnswers.push_back(path);
    trigger("Abrir1");
    EXPECT_EQ(items("ListBox4"), QStringList{"menor:2"});
    EXPECT_EQ(find<QTextEdit>("RichEdit1")->toPlainText(), "∨ menor x x  ¬  menor x x");
    EXPECT_TRUE(status().isEmpty());

    // The save dialog is preset with the remembered path.
    host.saveAnswers.push_back(path);
    trigger("Guardar1");
    EXPECT_EQ(host.savePresets.back(), path);
}

TEST_F(MainWindowTest, LoadAcceptsLineFeedsAndRefusesOverLongLines) {
    const QString path = pathOf("lf.txt");
    writeFile(path, "uni\nA\nfor\nexiste x A x");
    host.openAnswers.push_back(path);
    trigger("Abrir1");
    EXPECT_EQ(items("ListBox1"), QStringList{"A"});
    EXPECT_EQ(find<QTextEdit>("RichEdit1")->toPlainText(), "∃ x A x");

    writeFile(path, "uni\n" + std::string(4096, 'B') + "\nfor\n");
    host.openAnswers.push_back(path);
    trigger("Abrir1");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].second,
              "El fichero tiene una línea de más de 4095 caracteres: no se lee para no cortarla");
    EXPECT_EQ(items("ListBox1"), QStringList{"A"}); // nothing changed
}

TEST_F(MainWindowTest, FileErrorsGoToTheStatusLine) {
    enterWorkedExample();
    host.openAnswers.push_back(pathOf("missing.txt"));
    trigger("Abrir1");
    EXPECT_EQ(status(), "No encuentro fichero");
    EXPECT_EQ(items("ListBox1"), (QStringList{"A", "B"}));

    host.saveAnswers.push_back(pathOf("no/such/folder/f.txt"));
    trigger("Guardar1");
    EXPECT_EQ(status(), "No puedo crear fichero de salida");

    // Cancelled dialogs change nothing.
    trigger("Abrir1");
    trigger("Guardar1");
    EXPECT_EQ(status(), "No puedo crear fichero de salida");
    EXPECT_EQ(items("ListBox1"), (QStringList{"A", "B"}));
}

// Both saves once said nothing, or "Fichero guardado", over a file a full disk had emptied.
TEST_F(MainWindowTest, AFullDiskKeepsTheOldFileAndSaysWhy) {
    suite::testing::SmallDisk disk(folder / "disk");
    if (!disk.mounted()) {
        GTEST_SKIP() << disk.whyNot();
    }
    const QString path = QString::fromStdString((disk.path() / "f.txt").string());
    writeFile(path, "the old file");
    disk.fill();
    enterWorkedExample();
    for (const char* save : {"Guardar1", "Salvar1"}) {
        host.messages.clear();
        host.saveAnswers.push_back(path);
        trigger(save);
        EXPECT_EQ(status(), "No puedo crear fichero de salida") << save;
        EXPECT_EQ(readFile(path.toStdString()), "the old file") << save;
        ASSERT_EQ(host.messages.size(), 1u) << save;
        EXPECT_TRUE(host.messages[0].second.endsWith(
            QStringLiteral("No se puede escribir el fichero: el disco está lleno.")))
            << host.messages[0].second.toStdString();
    }
}

TEST_F(MainWindowTest, SavingTheTranslationWritesSpelledOutput) {
    enterWorkedExample();
    const QString path = pathOf("out.txt");
    host.saveAnswers.push_back(path);
    trigger("Salvar1");
    EXPECT_EQ(readFile(path.toStdString()), "( B y  and   paratodo  x (A x  imp  R x f y ))");

    // After a failed translation the partial output is written; the status keeps the error.
    window.setFormula("paratodo x imp R x x");
    host.saveAnswers.push_back(path);
    trigger("Salvar1");
    EXPECT_EQ(readFile(path.toStdString()), " paratodo  x (A x  imp  (R x x  imp  ");
    EXPECT_EQ(status(), "Fin inesperado");
    // The translation's dialog offers its own last name, not the formula's path.
    EXPECT_EQ(host.savePresets, (std::vector<QString>{QString(), path}));

    host.saveAnswers.push_back(pathOf("no/such/folder/t.txt"));
    trigger("Salvar1");
    EXPECT_EQ(status(), "No puedo crear fichero de salida");
}

// In TeX "=" is equality itself, so the translation file keeps it.
TEST_F(MainWindowTest, SavedTexTranslationKeepsTheEqualsSign) {
    enter("Edit1", "A");
    enter("Edit2", "x:1");
    window.setFormula("paratodo x not e x x");
    find<QCheckBox>("CheckBox1")->setChecked(true);
    const QString path = pathOf("out.tex");
    host.saveAnswers.push_back(path);
    trigger("Salvar1");
    EXPECT_EQ(readFile(path.toStdString()), "\\forall x (A x \\rightarrow \\neg (x = x ))");
}

// Replacing a file takes a yes; a no brings the dialog back with the same name.
TEST_F(MainWindowTest, SavingOverAnExistingFileAsksFirst) {
    enterWorkedExample();
    const QString path = pathOf("kept.txt");
    writeFile(path, "old");
    for (const char* command : {"Guardar1", "Salvar1"}) {
        host.saveAnswers.push_back(path);
        host.replaceAnswers.push_back(false);
        trigger(command); // no, then the dialog is cancelled
        EXPECT_EQ(host.replaceQuestions, std::vector<QString>{path}) << command;
        EXPECT_EQ(host.savePresets.back(), path) << command;
        EXPECT_EQ(readFile(path.toStdString()), "old") << command;
        host.replaceQuestions.clear();
    }
    host.saveAnswers.push_back(path);
    host.saveAnswers.push_back(path);
    host.replaceAnswers.push_back(false);
    host.replaceAnswers.push_back(true);
    trigger("Salvar1");
    EXPECT_EQ(host.replaceQuestions, (std::vector<QString>{path, path}));
    EXPECT_EQ(readFile(path.toStdString()), "( B y  and   paratodo  x (A x  imp  R x f y ))");

    host.replaceQuestions.clear();
    host.saveAnswers.push_back(pathOf("new.txt"));
    trigger("Guardar1");
    EXPECT_TRUE(host.replaceQuestions.empty());
    EXPECT_EQ(status(), "Fichero guardado");
}

// A name without an extension saved under "*.txt" gets ".txt", so that the open dialog shows it.
TEST_F(MainWindowTest, TextFilterAddsTheExtensionToABareName) {
    struct Case {
        const char* typed;
        const char* pattern;
        const char* saved;
    };
    const Case cases[] = {
        {"notas", "*.txt", "notas.txt"},
        {"notas.tex", "*.txt", "notas.tex"},
        {"notas.v2.txt", "*.txt", "notas.v2.txt"},
        {"salida", "*.tex", "salida"},
        {"salida", "*.*", "salida"},
    };
    enterWorkedExample();
    for (const char* command : {"Guardar1", "Salvar1"}) {
        for (const Case& c : cases) {
            suite::testing::ScratchFolder scratch;
            const QString typed = QString::fromStdString((scratch / c.typed).string());
            host.saveAnswers.push_back(typed);
            host.saveFilterAnswers.push_back(c.pattern);
            trigger(command);
            EXPECT_EQ(QDir(QString::fromStdString(scratch.path().string())).entryList(QDir::Files),
                      QStringList{c.saved})
                << command << " " << c.typed << " " << c.pattern;
        }
    }
    // The question names the file that would be replaced: the one with the extension.
    const QString existing = pathOf("hecho.txt");
    writeFile(existing, "old");
    host.saveAnswers.push_back(pathOf("hecho"));
    trigger("Guardar1");
    EXPECT_EQ(host.replaceQuestions, std::vector<QString>{existing});
}

TEST_F(MainWindowTest, DeleteRemovesAnEntryAndDoubleClickTakesItBackToItsField) {
    const std::pair<const char*, const char*> fields[] = {
        {"Edit1", "ListBox1"}, {"Edit2", "ListBox2"}, {"Edit3", "ListBox3"}, {"Edit4", "ListBox4"}};
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (const auto& [edit, name] : fields) {
        for (const char* entry : {"a:1", "b:1", "c:1"}) {
            enter(edit, entry);
        }
        QListWidget* list = find<QListWidget>(name);
        list->setFocus();
        list->setCurrentRow(1);
        QTest::keyClick(list, Qt::Key_Delete);
        EXPECT_EQ(items(name), (QStringList{"a:1", "c:1"})) << name;

        QListWidgetItem* last = list->item(1);
        const QPoint centre = list->visualItemRect(last).center();
        // An item view takes a double click only after the press of its first click.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
        EXPECT_EQ(items(name), QStringList{"a:1"}) << name;
        EXPECT_EQ(find<QLineEdit>(edit)->text(), "c:1") << name;
        EXPECT_EQ(QApplication::focusWidget(), find<QLineEdit>(edit)) << name;
    }
}

// Ctrl+Enter (either Enter key) and F5 translate from the formula editor; Enter alone breaks the line.
TEST_F(MainWindowTest, KeysTranslateFromTheFormulaEditor) {
    enterWorkedExample();
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* editor = find<QTextEdit>("RichEdit1");
    editor->setFocus();
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_Return, Qt::ControlModifier},
        {Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier},
        {Qt::Key_F5, Qt::NoModifier}};
    for (const auto& [key, modifiers] : keys) {
        find<QTextEdit>("RichEdit2")->clear();
        QTest::keyClick(editor, key, modifiers);
        EXPECT_EQ(pane(), "( B y ∧ ∀ x (A x → R x f y ))") << key;
        EXPECT_EQ(window.formula(), "paratodo x R x f y") << key;
    }
    editor->moveCursor(QTextCursor::End);
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(window.formula(), "paratodo x R x f y\n");
}

// After a failed translation the pane still shows the last good one, and says so.
TEST_F(MainWindowTest, PaneSaysWhenItHoldsAnEarlierFormula) {
    auto* note = find<QLabel>("Label8");
    enterWorkedExample();
    window.setFormula("R x");
    trigger("Generar1");
    EXPECT_TRUE(note->isHidden()); // nothing shown yet, nothing to warn about
    window.setFormula("paratodo x R x f y");
    trigger("Generar1");
    EXPECT_TRUE(note->isHidden());
    window.setFormula("R x y R y x");
    trigger("Generar1");
    EXPECT_EQ(status(), "Sobra texto después de la fórmula");
    EXPECT_FALSE(note->isHidden());
    EXPECT_EQ(note->text(), "Es la traducción de una fórmula anterior");
    window.setFormula("R x y");
    trigger("Generar1");
    EXPECT_TRUE(note->isHidden());
    window.setFormula("R");
    trigger("Generar1");
    trigger("Nuevo1");
    EXPECT_TRUE(note->isHidden());
}

// Window managers cut long captions: the box repeats the caption as its first, bold line.
TEST(MessageBox, CaptionIsAlsoTheFirstBoldLine) {
    QMessageBox box;
    varquen::app::prepareMessageBox(box, "\nLo hecho de la traducción es:\n(p x < ", "Fin inesperado");
    EXPECT_EQ(box.windowTitle(), "Fin inesperado");
    EXPECT_EQ(box.textFormat(), Qt::RichText);
    EXPECT_EQ(box.text(), "<b>Fin inesperado</b><br><br>Lo hecho de la traducción es:<br>(p x &lt; ");
}

// The shortest answer's box keeps room for its caption beside a title bar's icon and buttons (at
// least four lines' height): it was cut to "¿E…?".
TEST(MessageBox, IsWideEnoughForItsCaptionInATitleBar) {
    QMessageBox box;
    varquen::app::prepareMessageBox(box, "válida", "¿Es válida?");
    box.show();
    QFont bold = box.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    EXPECT_GE(box.width(), metrics.horizontalAdvance("¿Es válida?") + 4 * metrics.height());
}

// The window's filters as the file dialogs of this system apply them: which names each entry shows.
TEST_F(MainWindowTest, FileDialogEntriesShowTheFilesTheyName) {
    trigger("Abrir1");
    trigger("Guardar1");
    ASSERT_EQ(host.openFilters.size(), 1u);
    ASSERT_EQ(host.saveFilters.size(), 1u);
    auto shows = [](const QString& windowFilter, const QString& entry, const QString& file) {
        for (const QString& dialogEntry : varquen::app::qtFileFilter(windowFilter).split(";;")) {
            if (dialogEntry.startsWith(entry + " (") && dialogEntry.endsWith(')')) {
                const QString patterns = dialogEntry.mid(entry.size() + 2).chopped(1);
                return QDir::match(patterns.split(' '), file);
            }
        }
        ADD_FAILURE() << "no entry " << entry.toStdString();
        return false;
    };
    struct Case {
        const QString& filter;
        const char* entry;
        const char* file;
        bool shown;
    };
    const QString& open = host.openFilters[0];
    const QString& save = host.saveFilters[0];
    const Case cases[] = {
        {open, "Ficheros de texto", "formula.txt", true},  {open, "Ficheros de texto", "formula.tex", false},
        {open, "Todos los ficheros", "formula.txt", true}, {open, "Todos los ficheros", "formula", true},
        {save, "Ficheros de Texto", "formula.txt", true},  {save, "Ficheros de TeX", "salida.tex", true},
        {save, "Ficheros de TeX", "salida", false},        {save, "Todos los ficheros", "salida", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(shows(c.filter, c.entry, c.file), c.shown) << c.entry << " / " << c.file;
    }
    // The entry chosen in the dialog comes back to the window as its own pattern.
    QStringList patterns;
    for (const QString& dialogEntry : varquen::app::qtFileFilter(save).split(";;")) {
        patterns << varquen::app::filterPattern(dialogEntry);
    }
    EXPECT_EQ(patterns, (QStringList{"*.txt", "*.tex", "*.*"}));
}

TEST_F(MainWindowTest, HelpAndQuitGoThroughTheHost) {
    trigger("Ayuda1");
    EXPECT_EQ(host.helpRequests, std::vector<QString>{"Varquen.hlp#indice"});
    trigger("Salir1");
    EXPECT_EQ(host.quits, 1);
}

// "¿Es válida?" comes after the designed items and answers in a box: the verdict, a countermodel
// when not valid, and the verdict again on the status line; a formula that does not translate is
// not asked.
TEST_F(MainWindowTest, ValidityQuestionAnswersInABoxAfterTheDesignedItems) {
    const auto* menu = qobject_cast<QMenu*>(find<QAction>("Salvar1")->parent());
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> translation = menu->actions();
    ASSERT_EQ(translation.size(), 3);
    EXPECT_EQ(translation.last()->objectName(), "Valida1");
    EXPECT_EQ(translation.last()->text(), "¿Es &válida?");

    const struct {
        const char* formula;
        QString status;
        bool countermodel;
    } cases[] = {{"imp paratodo x R x f y existe x R x f y", "válida", false},
                 {"paratodo x R x f y", "no válida", true},
                 {"paratodo R", "Se requiere variable tras un cuantificador", false}};
    enterWorkedExample();
    for (const auto& row : cases) {
        host.messages.clear();
        window.setFormula(row.formula);
        trigger("Valida1");
        EXPECT_EQ(status(), row.status) << row.formula;
        ASSERT_EQ(host.messages.size(), 1u) << row.formula;
        EXPECT_EQ(host.messages[0].second.contains("Contramodelo:\n"), row.countermodel) << row.formula;
    }
}

// A question that takes a while shows that it is working, and "Cancelar" ends it: the window
// waited for the whole time limit before, answering nothing meanwhile.
TEST_F(MainWindowTest, ALongQuestionShowsItsProgressAndCanBeCancelled) {
    enterWorkedExample();
    enter("Edit2", "u:1");
    enter("Edit2", "v:1");
    // True in every finite structure, false only in an endless chain: no prover answers at once.
    window.setFormula("not and and paratodo x existe u R x u paratodo x not R x x paratodo x paratodo u "
                      "paratodo v imp and R x u R u v R x v");
    bool shown = false;
    QTimer::singleShot(400, [&] {
        auto* dialog = window.findChild<QProgressDialog*>("ProgresoValidez");
        ASSERT_NE(dialog, nullptr);
        shown = dialog->isVisible();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    trigger("Valida1");
    EXPECT_TRUE(shown);
    EXPECT_EQ(status(), "desconocido: pregunta cancelada");
}

TEST(HelpWindow, OpensAtTheIndexTopicAndLinksEveryPage) {
    varquen::app::HelpWindow help;
    help.showTopic("Varquen.hlp", "indice");
    const QString text = help.currentTopicText();
    EXPECT_TRUE(text.contains("Índice")) << text.toStdString();
    for (const char* page : {"declaraciones", "formulas", "traduccion", "ficheros", "validez"}) {
        help.showTopic("Varquen.hlp", page);
        EXPECT_TRUE(help.currentTopicText().contains("Volver al índice")) << page;
    }
}

// The examples the help shows are what the engine produces.
TEST(HelpWindow, ExamplesAgreeWithTheEngine) {
    struct Quiet : varquen::Notifier {
        void showMessage(const std::string&, const std::string&) override {}
    } quiet;
    auto signs = [&](const varquen::Declarations& declarations, const char* formula, bool tex) {
        const auto translation = varquen::translateFormula(declarations, formula, tex, quiet);
        EXPECT_EQ(translation.error, varquen::ParseError::None) << formula;
        return QString::fromStdString(varquen::utf8WithSigns(translation.output));
    };
    varquen::app::HelpWindow help;
    help.showTopic("Varquen.hlp", "indice");
    EXPECT_TRUE(
        help.currentTopicText().contains(signs({{"A"}, {"x:1"}, {}, {"p:1"}}, "paratodo x p x", false)));
    const varquen::Declarations example{{"A", "B"}, {"x:1", "y:2"}, {"f:1,2"}, {"R:2"}};
    help.showTopic("Varquen.hlp", "traduccion");
    EXPECT_TRUE(help.currentTopicText().contains(signs(example, "paratodo x R x f y", false)));
    EXPECT_TRUE(help.currentTopicText().contains(signs(example, "paratodo x R x f y", true)));
    EXPECT_TRUE(help.currentTopicText().contains(
        signs({{"A"}, {"x:1"}, {}, {"p:1"}}, "imp paratodo x p x existe x p x", false)));
    help.showTopic("Varquen.hlp", "ficheros");
    const auto written = varquen::writeFormulaFile({example, "paratodo x R x f y"});
    QString file = QString::fromLatin1(written.bytes->c_str());
    EXPECT_TRUE(help.currentTopicText().contains(file.replace("\r\n", "\n")));
}

} // namespace
