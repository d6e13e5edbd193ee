#include "countermodel_view.h"
#include "display.h"
#include "fake_host.h"
#include "fakes.h"
#include "kripke_evaluation.h"
#include "main_window.h"
#include "picture_key.h"

#include "suite/latin1.h"
#include "zudaviror/keypad_keys.h"
#include "zudaviror/log_format.h"
#include "zudaviror/messages.h"

#include "suite_testing/scratch_folder.h"

#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <functional>
#include <memory>

namespace zudaviror {
namespace {

using app::DADUREDUREvu;
using app::InformationWindow;
using app::PictureKey;
using suite::testing::readFile;

const LocalTime kMoment{.year = 2026, .month = 12, .day = 8, .hour = 16, .minute = 5, .second = 9};

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

// The keys each state enables, as the keypad's table has them.
struct StateKeys {
    bool atom, unary, open, close, binary, translate;
};

StateKeys keysOfState(char state) {
    switch (state) {
    case '1':
        return {true, true, true, false, false, false};
    case '2':
        return {false, false, false, false, false, true};
    case '3':
        return {false, false, false, false, true, false};
    case '4':
        return {false, false, false, true, false, false};
    case '5':
        return {false, false, false, false, true, true};
    }
    ADD_FAILURE() << "no state " << state;
    return {};
}

bool groupOn(const StateKeys& keys, KeyGroup group) {
    switch (group) {
    case KeyGroup::Atom:
        return keys.atom;
    case KeyGroup::Unary:
        return keys.unary;
    case KeyGroup::Open:
        return keys.open;
    case KeyGroup::Close:
        return keys.close;
    case KeyGroup::Binary:
        return keys.binary;
    }
    return false;
}

// Codes keyed one by one, the state after each, and the formula box at the end.
struct KeyedCase {
    const char* codes;
    const char* states;
    const char* shown;
};

const KeyedCase kKeyedCases[] = {
    {"p", "5", "p"},
    {"p+q", "512", "p∧q"},
    {"(p+q)+r", "1314312", "(p∧q)∧r"},
    {"#(p+q)+(r,s)", "113145113142", "¬(p∧q)∧(r∨s)"},
    {"((p+q)", "113143", "((p∧q)"},
    {"(p+(q-r)", "13113144", "(p∧(q→r)"},
    {"!(p+!q)", "1131145", "□(p∧□q)"},
    {"\"*.%", "1512", "◇⊥↔φ"},
    {"$-;", "512", "ψ→β"},
    {"t.'", "512", "t↔α"},
};

class MainWindowTest : public ::testing::Test {
  protected:
    MainWindowTest() {
        window->show();
        QApplication::setActiveWindow(window.get());
    }

    PictureKey* key(int id) {
        auto* found = window->findChild<PictureKey*>(QString::number(id));
        EXPECT_NE(found, nullptr) << id;
        return found;
    }
    PictureKey* keyFor(char code) { return key(findSymbolKeyForCode(code)->id); }
    QPushButton* button(int id) { return window->findChild<QPushButton*>(QString::number(id)); }
    QPlainTextEdit* box(int id) { return window->findChild<QPlainTextEdit*>(QString::number(id)); }
    QString shown(int id) { return box(id)->toPlainText(); }
    static void click(QAbstractButton* target) { QTest::mouseClick(target, Qt::LeftButton); }

    // Clicks the key of each code; every one must be enabled.
    void clickCodes(std::string_view codes) {
        for (const char code : codes) {
            PictureKey* target = keyFor(code);
            ASSERT_TRUE(target->isEnabled()) << code << " after " << shown(BoxId::Formula).toStdString();
            click(target);
        }
    }

    void typeText(const QString& text) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
        QTest::keyClicks(target, text);
    }

    void expectKeysOfState(char state, const std::string& context) {
        const StateKeys keys = keysOfState(state);
        for (const SymbolKey& symbol : kSymbolKeys) {
            EXPECT_EQ(key(symbol.id)->isEnabled(), groupOn(keys, symbol.group))
                << symbol.name << " " << context;
        }
        EXPECT_EQ(key(KeyId::TRADUCIR)->isEnabled(), keys.translate) << context;
    }

    // Enters each case code by code and checks the keys after every code.
    void checkKeyedCases(const std::function<void(char)>& enter) {
        for (const KeyedCase& keyed : kKeyedCases) {
            SCOPED_TRACE(keyed.codes);
            const std::string codes = keyed.codes;
            for (std::size_t i = 0; i < codes.size(); ++i) {
                enter(codes[i]);
                expectKeysOfState(keyed.states[i], codes.substr(0, i + 1));
                EXPECT_TRUE(key(KeyId::ATRAS)->isEnabled());
                EXPECT_TRUE(key(KeyId::BORRAR)->isEnabled());
            }
            EXPECT_EQ(shown(BoxId::Formula), utf8(keyed.shown));
            click(key(KeyId::BORRAR));
        }
    }

    testing::FakeHost host;
    testing::FixedClock clock{kMoment};
    std::unique_ptr<DADUREDUREvu> window = std::make_unique<DADUREDUREvu>(host, clock);
};

TEST_F(MainWindowTest, OpensEmptyInStateOne) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("ZUDAVIROR"));
    EXPECT_EQ(shown(BoxId::Formula), QString());
    expectKeysOfState('1', "empty");
    EXPECT_FALSE(key(KeyId::ATRAS)->isEnabled());
    EXPECT_FALSE(key(KeyId::BORRAR)->isEnabled());
    EXPECT_EQ(button(KeyId::INICIO_S)->text(), QStringLiteral("INICIO S."));
    EXPECT_EQ(button(KeyId::MOSTRAR_T)->text(), QStringLiteral("MOSTRAR T."));
    EXPECT_EQ(box(BoxId::Formula)->font().pixelSize(), 32);
    EXPECT_EQ(box(BoxId::Result)->font().pixelSize(), 16);
    EXPECT_EQ(box(BoxId::Steps)->font().pixelSize(), 16);
    // The face shown is the one that asking for Zudaviror, then DejaVu Sans, shows.
    QFont named;
    named.setFamilies({QStringLiteral("Zudaviror"), QStringLiteral("DejaVu Sans")});
    EXPECT_EQ(QFontInfo(box(BoxId::Formula)->font()).family(), QFontInfo(named).family());
}

TEST_F(MainWindowTest, ClickedKeysEnableTheKeysOfEachState) {
    checkKeyedCases([this](char code) { clickCodes(std::string(1, code)); });
}

TEST_F(MainWindowTest, TypedKeysActLikeClickedOnes) {
    checkKeyedCases([this](char code) { typeText(QString(QLatin1Char(code))); });
}

TEST_F(MainWindowTest, TypingReachesTheKeypadWhateverHasTheFocus) {
    const std::pair<const char*, QWidget*> targets[] = {
        {"formula box", box(BoxId::Formula)},
        {"steps box", box(BoxId::Steps)},
        {"session button", button(KeyId::INICIO_S)},
        {"SALIR", key(KeyId::IDOK)},
        {"window", window.get()},
    };
    for (const auto& [name, target] : targets) {
        SCOPED_TRACE(name);
        QTest::keyClicks(target, QStringLiteral("!p"));
        EXPECT_EQ(shown(BoxId::Formula), utf8("□p"));
        QTest::keyClick(target, Qt::Key_Return);
        EXPECT_EQ(shown(BoxId::Result), utf8("∀v(Suv→Pv)"));
        EXPECT_TRUE(window->isVisible());
        QTest::keyClick(target, Qt::Key_Delete);
        EXPECT_EQ(shown(BoxId::Formula), QString());
    }
}

TEST_F(MainWindowTest, TypedKeysThatAreDisabledOrNoKeysAreIgnored) {
    typeText(QStringLiteral("pq)#(x"));
    EXPECT_EQ(shown(BoxId::Formula), QStringLiteral("p"));
    typeText(QStringLiteral("+"));
    QTest::keyClick(window.get(), Qt::Key_Return); // TRADUCIR is disabled after a connective
    EXPECT_EQ(shown(BoxId::Result), QString());
    EXPECT_TRUE(host.messages.empty());
    QTest::keyClick(window.get(), Qt::Key_Backspace);
    EXPECT_EQ(shown(BoxId::Formula), QStringLiteral("p"));
    QTest::keyClick(window.get(), Qt::Key_Enter);
    EXPECT_EQ(shown(BoxId::Result), QStringLiteral("Pu"));
    QTest::keyClick(window.get(), Qt::Key_Delete);
    EXPECT_EQ(shown(BoxId::Formula), QString());
    EXPECT_EQ(shown(BoxId::Result), QString());
    QTest::keyClick(window.get(), Qt::Key_Backspace); // ATRAS is disabled on an empty formula
    QTest::keyClick(window.get(), Qt::Key_Delete);
    EXPECT_EQ(shown(BoxId::Formula), QString());
    expectKeysOfState('1', "after the editing keys on an empty formula");
}

TEST_F(MainWindowTest, DisabledKeysIgnoreClicks) {
    clickCodes("p");
    click(keyFor('q'));
    click(keyFor(')'));
    EXPECT_EQ(shown(BoxId::Formula), QStringLiteral("p"));
    clickCodes("+");
    click(key(KeyId::TRADUCIR));
    EXPECT_EQ(shown(BoxId::Result), QString());
}

TEST_F(MainWindowTest, AKeyThatBecomesDisabledLeavesTheFocusWithTheWindow) {
    keyFor('p')->setFocus();
    click(keyFor('p'));
    EXPECT_NE(QApplication::focusWidget(), key(KeyId::IDOK));
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window.get(), Qt::Key_Space);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, AtrasRemovesTheLastCodeAndEmptiesResultAndSteps) {
    click(button(KeyId::MOSTRAR_T));
    clickCodes("p+q");
    click(key(KeyId::TRADUCIR));
    ASSERT_EQ(shown(BoxId::Result), utf8("Pu∧Qu"));
    ASSERT_FALSE(shown(BoxId::Steps).isEmpty());
    click(key(KeyId::ATRAS));
    EXPECT_EQ(shown(BoxId::Formula), utf8("p∧"));
    EXPECT_EQ(shown(BoxId::Result), QString());
    EXPECT_EQ(shown(BoxId::Steps), QString());
    expectKeysOfState('1', "p+");
    click(key(KeyId::ATRAS));
    expectKeysOfState('5', "p");
    click(key(KeyId::ATRAS));
    EXPECT_EQ(shown(BoxId::Formula), QString());
    EXPECT_FALSE(key(KeyId::ATRAS)->isEnabled());
    EXPECT_FALSE(key(KeyId::BORRAR)->isEnabled());
}

TEST_F(MainWindowTest, BorrarEmptiesEveryBox) {
    click(button(KeyId::MOSTRAR_T));
    clickCodes("!p");
    click(key(KeyId::TRADUCIR));
    ASSERT_FALSE(shown(BoxId::Steps).isEmpty());
    click(key(KeyId::BORRAR));
    EXPECT_EQ(shown(BoxId::Formula), QString());
    EXPECT_EQ(shown(BoxId::Result), QString());
    EXPECT_EQ(shown(BoxId::Steps), QString());
    EXPECT_FALSE(key(KeyId::ATRAS)->isEnabled());
    EXPECT_FALSE(key(KeyId::BORRAR)->isEnabled());
    expectKeysOfState('1', "after BORRAR");
}

TEST_F(MainWindowTest, ASymbolKeyEmptiesTheStepsButKeepsTheResult) {
    click(button(KeyId::MOSTRAR_T));
    clickCodes("p");
    click(key(KeyId::TRADUCIR));
    ASSERT_FALSE(shown(BoxId::Steps).isEmpty());
    clickCodes("-");
    EXPECT_EQ(shown(BoxId::Steps), QString());
    EXPECT_EQ(shown(BoxId::Result), QStringLiteral("Pu"));
}

TEST_F(MainWindowTest, TheThirtySixthCodeShrinksTheFormulaFont) {
    clickCodes(std::string(35, '#'));
    EXPECT_EQ(box(BoxId::Formula)->font().pixelSize(), 32);
    clickCodes("#");
    EXPECT_EQ(box(BoxId::Formula)->font().pixelSize(), 21);
    EXPECT_EQ(shown(BoxId::Formula), QString(36, QChar(0x00AC)));
    click(key(KeyId::ATRAS));
    EXPECT_EQ(box(BoxId::Formula)->font().pixelSize(), 32);
    clickCodes("##");
    click(key(KeyId::BORRAR)); // BORRAR leaves the font as it is
    EXPECT_EQ(box(BoxId::Formula)->font().pixelSize(), 21);
}

TEST_F(MainWindowTest, TranslateShowsTheResultAndTheStepsOnlyWhenAsked) {
    clickCodes("!(p+!q)");
    click(key(KeyId::TRADUCIR));
    const QString result = utf8("∀v(Suv→(Pv∧∀w(Svw→Qw)))");
    EXPECT_EQ(shown(BoxId::Result), result);
    EXPECT_EQ(shown(BoxId::Steps), QString());

    click(button(KeyId::MOSTRAR_T));
    EXPECT_EQ(button(KeyId::MOSTRAR_T)->text(), QStringLiteral("OCULTAR T."));
    click(key(KeyId::TRADUCIR));
    EXPECT_EQ(shown(BoxId::Steps), utf8("\t • □(TRANS/(p)∧□q)\n"
                                        "\t • □(TRANS/(p)∧∀v(Suv→(q)))\n"
                                        "\t • □(TRANS/(p)∧∀v(Suv→TRANS/(q)))\n"
                                        "\t • ∀v(Suv→(TRANS/(p)∧∀v(Suv→TRANS/(q))))\n"
                                        "\t • ∀v(Suv→(TRANS/(p)[u]∧∀v(Suv→TRANS/(q))))\n"
                                        "\t • ∀v(Suv→(TRANS/(p)[u]∧∀v(Suv→TRANS/(q)[u])))\n"
                                        "\t • ∀v(Suv→(TRANS/(p)[v]∧∀w(Svw→TRANS/(q)[w])))\n"
                                        "\t • ∀v(Suv→(Pv∧∀w(Svw→TRANS/(q)[w])))\n"
                                        "\t • ∀v(Suv→(Pv∧∀w(Svw→Qw)))"));
    EXPECT_EQ(shown(BoxId::Result), result);
    EXPECT_EQ(shown(BoxId::Formula), utf8("□(p∧□q)"));
    expectKeysOfState('5', "after TRADUCIR");

    click(button(KeyId::MOSTRAR_T));
    EXPECT_EQ(button(KeyId::MOSTRAR_T)->text(), QStringLiteral("MOSTRAR T."));
    EXPECT_EQ(shown(BoxId::Steps), QString());
    EXPECT_EQ(shown(BoxId::Result), result);
}

TEST_F(MainWindowTest, AFormulaBeyondTheLimitsShowsTheMessageAndChangesNothingElse) {
    clickCodes("p");
    click(key(KeyId::TRADUCIR));
    clickCodes("+" + std::string(29, '#') + "p");
    click(key(KeyId::TRADUCIR));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_TRUE(host.messages[0].startsWith(utf8("Un átomo lleva 29 operadores seguidos delante")))
        << host.messages[0].toStdString();
    EXPECT_EQ(shown(BoxId::Result), QStringLiteral("Pu"));
    EXPECT_EQ(shown(BoxId::Formula), utf8("p∧") + QString(29, QChar(0x00AC)) + QStringLiteral("p"));
    expectKeysOfState('2', "after the refusal");
    EXPECT_TRUE(host.endings.empty());
}

TEST_F(MainWindowTest, TheInformationKeysOpenTheirWindowsAndSalirCloses) {
    click(key(KeyId::MODAL));
    click(key(KeyId::MULTIVARIADA));
    click(key(KeyId::REGLAS));
    EXPECT_EQ(host.information,
              (std::vector<InformationWindow>{InformationWindow::Modal, InformationWindow::Multivariada,
                                              InformationWindow::Reglas}));
    click(key(KeyId::IDOK));
    EXPECT_FALSE(window->isVisible());
}

// Every symbol key's tooltip names the keyboard key that types it, and that key types this key's code.
TEST_F(MainWindowTest, SymbolKeyTooltipsNameTheKeyThatTypesThem) {
    for (const SymbolKey& symbol : kSymbolKeys) {
        const QString hint = key(symbol.id)->toolTip();
        const qsizetype open = hint.indexOf(utf8("(tecla «"));
        ASSERT_GE(open, 0) << symbol.name << ": " << hint.toStdString();
        const QString typed = hint.mid(open + 8).chopped(2);
        ASSERT_EQ(typed.size(), 1) << symbol.name << ": " << hint.toStdString();
        const SymbolKey* typedKey = findSymbolKeyForCode(static_cast<char>(typed.at(0).unicode()));
        ASSERT_NE(typedKey, nullptr) << symbol.name;
        EXPECT_EQ(typedKey->id, symbol.id) << symbol.name;
    }
    struct Command {
        int id;
        const char* keyboard;
    };
    for (const Command& command :
         {Command{KeyId::TRADUCIR, "(tecla Intro)"}, Command{KeyId::ATRAS, "(tecla Retroceso)"},
          Command{KeyId::BORRAR, "(tecla Supr)"}}) {
        EXPECT_TRUE(key(command.id)->toolTip().endsWith(QString::fromUtf8(command.keyboard))) << command.id;
    }
}

TEST_F(MainWindowTest, StepsKeyTooltipSaysWhatTheNextPressDoes) {
    EXPECT_TRUE(button(KeyId::MOSTRAR_T)->toolTip().startsWith(QStringLiteral("Muestra")));
    click(button(KeyId::MOSTRAR_T));
    EXPECT_TRUE(button(KeyId::MOSTRAR_T)->toolTip().startsWith(QStringLiteral("Deja de mostrar")));
}

// A long answer (a prover that cannot be loaded says why, naming its path) ran past the window's
// edge: it wraps, and the window grows by the lines it takes.
TEST_F(MainWindowTest, ALongAnswerWrapsInsideTheWindow) {
    auto* answer = window->findChild<QLabel*>(QStringLiteral("RESPUESTA"));
    ASSERT_NE(answer, nullptr);
    answer->setText(utf8("K: desconocido: No se ha podido cargar el módulo "
                         "/usr/lib/x86_64-linux-gnu/zudaviror/zudaviror-prover.so: falta la biblioteca "
                         "libz3.so.4, que el módulo necesita."));
    QApplication::processEvents();
    EXPECT_TRUE(answer->wordWrap());
    EXPECT_LE(answer->minimumSizeHint().width(), answer->width()) << "its longest word fits";
    EXPECT_GE(answer->height(), answer->heightForWidth(answer->width())) << "so do its lines";
    EXPECT_TRUE(window->rect().contains(QRect(answer->mapTo(window.get(), QPoint(0, 0)), answer->size())));
}

// The answer shown is about the formula and the system shown: a change of either clears it, and
// the countermodel window with it (after BORRAR and a new formula, the old model with its letter
// q stayed).
// A tableau that runs for seconds (eleven leaves under deep □ and ◇ in T: its branches are
// copied at every split) shows that it is working, and Escape stops it.
TEST_F(MainWindowTest, ALongQuestionShowsItsProgressAndCanBeCancelled) {
    auto* chooser = window->findChild<QComboBox*>(QStringLiteral("SISTEMA"));
    auto* answer = window->findChild<QLabel*>(QStringLiteral("RESPUESTA"));
    ASSERT_TRUE(chooser && answer);
    chooser->setCurrentIndex(3); // B: a tableau of hundreds of thousands of nodes
    clickCodes("!\"\"\"!!!\"\"#\"###\"\"(!(!!(!#(\"!'.r)-(t.#\"t))+\"\"$).\"!(#(#%.r),#'))");
    bool shown = false;
    QTimer::singleShot(400, [&] {
        auto* dialog = window->findChild<QProgressDialog*>(QStringLiteral("ProgresoValidez"));
        ASSERT_NE(dialog, nullptr);
        shown = dialog->isVisible();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    click(window->findChild<QPushButton*>(QStringLiteral("VALIDA")));
    EXPECT_TRUE(shown);
    EXPECT_EQ(answer->text(), utf8("B: desconocido: pregunta cancelada"));
}

TEST_F(MainWindowTest, AnAnswerLastsWhileItsFormulaAndSystemDo) {
    auto* ask = window->findChild<QPushButton*>(QStringLiteral("VALIDA"));
    auto* chooser = window->findChild<QComboBox*>(QStringLiteral("SISTEMA"));
    auto* answer = window->findChild<QLabel*>(QStringLiteral("RESPUESTA"));
    ASSERT_TRUE(ask && chooser && answer);
    const auto countermodelShown = [&] {
        auto* view = window->findChild<app::CountermodelView*>(QStringLiteral("DIBUJO"));
        return view != nullptr && view->isVisible();
    };
    const std::vector<std::function<void()>> changes = {[&] { chooser->setCurrentIndex(1); },
                                                        [&] { click(key(KeyId::BORRAR)); },
                                                        [&] { click(key(KeyId::ATRAS)); }};
    for (std::size_t change = 0; change < changes.size(); ++change) {
        click(key(KeyId::BORRAR));
        chooser->setCurrentIndex(0);
        clickCodes("!p-p");
        click(ask);
        ASSERT_EQ(answer->text(), utf8("K: no válida")) << change;
        ASSERT_TRUE(countermodelShown()) << change;
        changes[change]();
        EXPECT_EQ(answer->text(), QString()) << change;
        EXPECT_FALSE(countermodelShown()) << change;
    }
}

class LogSessionWindowTest : public MainWindowTest {
  protected:
    std::string path(const char* name) const { return (folder.path() / name).string(); }
    void chooseFile(const std::string& file) { host.saveAnswers.push_back(QString::fromStdString(file)); }
    static void write(const std::string& file, const std::string& bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }
    std::string translateKeyed(const char* codes) {
        clickCodes(codes);
        click(key(KeyId::TRADUCIR));
        click(key(KeyId::BORRAR));
        return codes;
    }
    QString sessionCaption() { return button(KeyId::INICIO_S)->text(); }

    suite::testing::ScratchFolder folder;
};

TEST_F(LogSessionWindowTest, CancellingTheDialogLeavesNoSession) {
    click(button(KeyId::INICIO_S));
    EXPECT_EQ(host.filters, (std::vector<QString>{QStringLiteral("Todos los ficheros (*.*)|*.*||")}));
    EXPECT_EQ(sessionCaption(), QStringLiteral("INICIO S."));
    translateKeyed("p");
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(LogSessionWindowTest, AnExistingFileKeepsItsContentsAndGetsHeaderAndRecords) {
    const std::string log = path("registro.txt");
    write(log, "lo que ya estaba\n");
    chooseFile(log);
    host.confirmAnswers.push_back(true);
    click(button(KeyId::INICIO_S));
    EXPECT_EQ(sessionCaption(), QStringLiteral("FIN S."));
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_TRUE(host.questions[0].contains(QStringLiteral("registro.txt")));

    translateKeyed("!p");
    click(button(KeyId::MOSTRAR_T));
    translateKeyed("p");
    EXPECT_EQ(readFile(log), "lo que ya estaba\n" + sessionHeader(kMoment) +
                                 translationRecord(kMoment, "!p", "^v(Suv-Pv)", "", false) +
                                 translationRecord(kMoment, "p", "Pu",
                                                   "\n\t _ TRANS/(p)\n\t _ TRANS/(p)[u]\n\t _ Pu", true));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(LogSessionWindowTest, SayingNoToTheQuestionBringsTheDialogBack) {
    const std::string existing = path("existente.txt");
    write(existing, "intacto");
    chooseFile(existing);
    chooseFile(path("nuevo.txt"));
    click(button(KeyId::INICIO_S));
    EXPECT_EQ(host.filters.size(), 2u);
    EXPECT_EQ(readFile(existing), "intacto");
    EXPECT_EQ(readFile(path("nuevo.txt")), sessionHeader(kMoment));
    EXPECT_EQ(sessionCaption(), QStringLiteral("FIN S."));
}

TEST_F(LogSessionWindowTest, OnlyTranslationsMadeWhileTheSessionIsOpenAreLogged) {
    translateKeyed("q");
    chooseFile(path("log.txt"));
    click(button(KeyId::INICIO_S));
    EXPECT_EQ(readFile(path("log.txt")), sessionHeader(kMoment));
    translateKeyed("p");
    click(button(KeyId::INICIO_S)); // ends the session, writing nothing
    EXPECT_EQ(sessionCaption(), QStringLiteral("INICIO S."));
    translateKeyed("r");
    EXPECT_EQ(readFile(path("log.txt")),
              sessionHeader(kMoment) + translationRecord(kMoment, "p", "Pu", "", false));
    EXPECT_EQ(host.filters.size(), 1u);
}

// While a session is open the window says so and names its file; the key's tooltip follows.
TEST_F(LogSessionWindowTest, TheWindowShowsTheOpenSessionAndItsFile) {
    auto* state = window->findChild<QLabel*>(QStringLiteral("SESION"));
    ASSERT_NE(state, nullptr);
    EXPECT_TRUE(state->isHidden());
    EXPECT_TRUE(button(KeyId::INICIO_S)->toolTip().startsWith(utf8("Empieza una sesión de registro")));
    const std::string log = path("clase-lógica.txt");
    chooseFile(log);
    click(button(KeyId::INICIO_S));
    EXPECT_FALSE(state->isHidden());
    EXPECT_EQ(state->text(), utf8("Sesión abierta: registro en clase-lógica.txt"));
    EXPECT_EQ(state->toolTip(), QString::fromStdString(log));
    EXPECT_TRUE(button(KeyId::INICIO_S)->toolTip().contains(QString::fromStdString(log)));
    click(button(KeyId::INICIO_S));
    EXPECT_TRUE(state->isHidden());
    EXPECT_TRUE(button(KeyId::INICIO_S)->toolTip().startsWith(utf8("Empieza una sesión de registro")));
}

// A pipe chosen as the log was once offered to be added to, and then left the window waiting for a
// reader.
TEST_F(LogSessionWindowTest, APipeIsRefusedAtOnceWithItsReason) {
    const std::string pipe = path("tuberia");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    chooseFile(pipe);
    click(button(KeyId::INICIO_S));
    EXPECT_TRUE(host.questions.empty());
    EXPECT_EQ(host.messages,
              (std::vector<QString>{utf8("No se puede almacenar información en ese fichero: no es un "
                                         "fichero ordinario, sino una tubería o un dispositivo.")}));
    EXPECT_EQ(sessionCaption(), QStringLiteral("INICIO S."));
}

TEST_F(LogSessionWindowTest, AFileThatCannotBeWrittenIsReportedAndTheTranslationStillShown) {
    chooseFile(path("no-existe/log.txt"));
    click(button(KeyId::INICIO_S));
    const QString cannotStore = utf8("No se puede almacenar información en ese fichero.");
    EXPECT_EQ(host.messages, (std::vector<QString>{cannotStore}));
    clickCodes("p");
    click(key(KeyId::TRADUCIR));
    EXPECT_EQ(shown(BoxId::Result), QStringLiteral("Pu"));
    EXPECT_EQ(host.messages, (std::vector<QString>{cannotStore, cannotStore}));
}

// "¿Es válida?" after the designed keys: the answer in the chosen system, the countermodel drawn
// (and refuting the formula) when there is one, each answer logged while a session is open.
TEST_F(LogSessionWindowTest, IsValidAnswersInTheChosenSystemDrawsTheCountermodelAndLogsIt) {
    auto* ask = window->findChild<QPushButton*>(QStringLiteral("VALIDA"));
    auto* chooser = window->findChild<QComboBox*>(QStringLiteral("SISTEMA"));
    auto* answer = window->findChild<QLabel*>(QStringLiteral("RESPUESTA"));
    ASSERT_TRUE(ask && chooser && answer);
    EXPECT_EQ(ask->text(), utf8("¿Es válida?"));
    click(ask);
    EXPECT_EQ(host.messages, (std::vector<QString>{app::latin1Text(messages::kEmptyFormula)}));

    const std::string log = path("registro.txt");
    chooseFile(log);
    click(button(KeyId::INICIO_S));
    clickCodes("!p-p");
    click(ask);
    EXPECT_EQ(answer->text(), utf8("K: no válida"));
    auto* view = window->findChild<app::CountermodelView*>(QStringLiteral("DIBUJO"));
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
    const KripkeModel model = view->model();
    EXPECT_FALSE(oracle::holdsAt("!p-p", model, model.failingWorld)) << countermodelText(model);
    auto* values = window->findChild<QTableWidget*>(QStringLiteral("VALORES"));
    ASSERT_NE(values, nullptr);
    const int whole = values->rowCount() - 1;
    ASSERT_EQ(values->columnCount(), static_cast<int>(model.worldCount));
    EXPECT_EQ(values->verticalHeaderItem(whole)->text(), utf8("□p→p"));
    EXPECT_EQ(values->item(whole, static_cast<int>(model.failingWorld))->text(), QStringLiteral("F"));

    chooser->setCurrentIndex(2);
    click(ask);
    EXPECT_EQ(answer->text(), utf8("T: válida"));
    EXPECT_FALSE(view->isVisible());
    // Its proof: the closed tableau, shown and exported as LaTeX.
    auto* tableauKey = window->findChild<QPushButton*>(QStringLiteral("VER_TABLERO"));
    ASSERT_TRUE(tableauKey && tableauKey->isEnabled());
    click(tableauKey);
    auto* proof = window->findChild<QPlainTextEdit*>(QStringLiteral("TEXTO_TABLERO"));
    auto* tree = window->findChild<QWidget*>(QStringLiteral("ARBOL_TABLERO"));
    ASSERT_TRUE(proof && tree && tree->isVisible());
    EXPECT_TRUE(proof->toPlainText().startsWith(utf8("1. ¬(□p→p), 0"))) << proof->toPlainText().toStdString();
    EXPECT_TRUE(proof->toPlainText().contains(utf8("0 r 0"))) << "ρ in T";
    EXPECT_TRUE(proof->toPlainText().contains(utf8("× "))) << "closed";
    chooseFile(path("tablero.tex"));
    click(window->findChild<QPushButton*>(QStringLiteral("EXPORTAR_TABLERO")));
    EXPECT_NE(readFile(path("tablero.tex")).find("\\Tree"), std::string::npos);
    click(key(KeyId::BORRAR));
    EXPECT_FALSE(tree->isVisible()) << "gone with its formula";
    EXPECT_FALSE(tableauKey->isEnabled());
    EXPECT_EQ(readFile(log),
              sessionHeader(kMoment) +
                  validityRecord(kMoment, "!p-p", suite::latin1FromUtf8("K (cualquier relación)"),
                                 suite::latin1FromUtf8("no válida"),
                                 countermodelText(model, CountermodelSigns::Codes)) +
                  validityRecord(kMoment, "!p-p", "T (reflexiva)", suite::latin1FromUtf8("válida"), ""));
}

} // namespace
} // namespace zudaviror
