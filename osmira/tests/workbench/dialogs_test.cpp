#include "dlg_insertar_doble_corte.h"
#include "dlg_insertar_grafico.h"
#include "dlg_nuevo_ejercicio.h"
#include "dlg_nuevo_teorema.h"
#include "dlg_toma_formulas.h"
#include "fake_host.h"
#include "formula_entry_field.h"
#include "widget_support.h"

#include <QApplication>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace osmira::workbench {
namespace {

using test::FakeHost;

const QString kSyntax = QStringLiteral(
    "La sintaxis de la formula no es correcta.\nPor favor, compruebe que los paréntesis estén compensados o "
    "que "
    "esté utilizando correctamente los operadores.\nSi tiene alguna duda sobre la sintaxis de las fórmulas "
    "consulte la ayuda.");
const QString kInsertionSyntax = QStringLiteral(
    "La sintaxis de la fórmula no es correcta.\nPor favor, compruebe que los paréntesis estén compensados o "
    "que "
    "esté utilizando correctamente los operadores.\nSi tiene alguna duda sobre la sintaxis de las fórmulas "
    "consulte la ayuda.");

template <typename Widget> Widget& child(QWidget& parent, const char* name) {
    auto* found = parent.findChild<Widget*>(QString::fromLatin1(name));
    if (found == nullptr) {
        throw std::runtime_error(std::string("no control ") + name);
    }
    return *found;
}

// Types text as key presses carrying it, as a keyboard with those signs would.
void type(QWidget& widget, const QString& text) {
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(&widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(&widget, &release);
    }
}

void press(QWidget& dialog, const char* button) {
    child<QPushButton>(dialog, button).click();
}

std::vector<std::pair<QString, QString>> captionsAndTexts(const FakeHost& host) {
    std::vector<std::pair<QString, QString>> seen;
    for (const FakeHost::Message& message : host.messages) {
        EXPECT_EQ(message.icon, MessageIcon::Exclamation);
        seen.emplace_back(message.caption, message.text);
    }
    return seen;
}

std::string nested(int depth) {
    return std::string(static_cast<std::size_t>(depth), '(') + "A" +
           std::string(static_cast<std::size_t>(depth), ')');
}

// ---- The entry field's typing rule ----

struct Keys {
    int caret; // -1: where it is
    QString text;
    int backspaces;
};

struct TypingCase {
    const char* name;
    std::vector<Keys> keys;
    QString shown;
    int caret;
    std::string bytes;
};

// Failures name the case, not its bytes.
void PrintTo(const TypingCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class TypingRule : public testing::TestWithParam<TypingCase> {};

TEST_P(TypingRule, ShowsAndKeeps) {
    FormulaEntryField field;
    for (const Keys& keys : GetParam().keys) {
        if (keys.caret >= 0) {
            field.setCursorPosition(keys.caret);
        }
        type(field, keys.text);
        for (int i = 0; i < keys.backspaces; ++i) {
            QTest::keyClick(&field, Qt::Key_Backspace);
        }
    }
    EXPECT_EQ(field.text(), GetParam().shown);
    EXPECT_EQ(field.cursorPosition(), GetParam().caret);
    EXPECT_EQ(field.formula(), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    EntryField, TypingRule,
    testing::Values(TypingCase{"LowerCaseAtTheEndShowsCapital", {{-1, "a", 0}}, "A", 1, "A"},
                    TypingCase{"EveryLetterTypedAtTheEnd",
                               {{-1, "(a\u2227b)\u2192c", 0}},
                               "(A\u2227B)\u2192C",
                               7,
                               "(A\xD9"
                               "B)\xAE"
                               "C"},
                    // Typed in the middle, the letter stays as typed, the last character is converted and
                    // the caret jumps to the end.
                    TypingCase{"TypedInTheMiddleConvertsTheLastCharacter",
                               {{-1, "AC", 0}, {1, "b", 1}, {0, "x", 0}},
                               "xAB",
                               3,
                               "xAB"},
                    TypingCase{"RemovingLeavesTheRest", {{-1, "AB", 1}}, "A", 1, "A"},
                    TypingCase{
                        "OutsideTheAlphabetIsDropped", {{-1, "A1+\u00F1;\u20AC b", 0}}, "A B", 3, "A B"},
                    TypingCase{"ConnectiveBytesAsLatin1BecomeSigns",
                               {{-1, "\u00D8A\u00D9B\u00DAC\u00AE", 0}},
                               "\u00ACA\u2227B\u2228C\u2192",
                               7,
                               "\xD8"
                               "A\xD9"
                               "B\xDA"
                               "C\xAE"}),
    [](const testing::TestParamInfo<TypingCase>& info) { return std::string(info.param.name); });

// ---- The keypad ----

struct KeypadCase {
    const char* key;
    int caret;
    QString shown;
    std::string bytes;
};

void PrintTo(const KeypadCase& testCase, std::ostream* out) {
    *out << testCase.key;
}

class Keypad : public testing::TestWithParam<KeypadCase> {};

TEST_P(Keypad, InsertsAtTheCaretAndGivesTheFocusBack) {
    FakeHost host;
    DlgInsertarGrafico dialog(host);
    dialog.show();
    auto& entry = child<FormulaEntryField>(dialog, "FormulaAInsertar");
    type(entry, QStringLiteral("AB"));
    entry.setCursorPosition(GetParam().caret);
    auto& key = child<QPushButton>(dialog, GetParam().key);
    key.setFocus();
    key.click();
    EXPECT_EQ(entry.text(), GetParam().shown);
    EXPECT_EQ(dialog.formula(), GetParam().bytes);
    EXPECT_EQ(dialog.focusWidget(), &entry);
}

INSTANTIATE_TEST_SUITE_P(EntryField, Keypad,
                         testing::Values(KeypadCase{"KeyNegation", 0, "\u00ACAB",
                                                    "\xD8"
                                                    "AB"},
                                         KeypadCase{"KeyImplication", 1, "A\u2192B",
                                                    "A\xAE"
                                                    "B"},
                                         KeypadCase{"KeyDisjunction", 1, "A\u2228B",
                                                    "A\xDA"
                                                    "B"},
                                         KeypadCase{"KeyConjunction", 2, "AB\u2227", "AB\xD9"}),
                         [](const testing::TestParamInfo<KeypadCase>& info) {
                             return std::string(info.param.key);
                         });

TEST(Keypad, ShowsTheDesignedKeys) {
    FakeHost host;
    DlgTomaFormulas dialog(host);
    EXPECT_EQ(child<QPushButton>(dialog, "KeyNegation").text(), QStringLiteral("\u00AC"));
    EXPECT_EQ(child<QPushButton>(dialog, "KeyImplication").text(), QStringLiteral("->"));
    EXPECT_EQ(child<QPushButton>(dialog, "KeyDisjunction").text(), QStringLiteral("v"));
    EXPECT_EQ(child<QPushButton>(dialog, "KeyConjunction").text(), QStringLiteral("\u2227"));
}

// ---- The formulas of a new exercise ----

// One step of the student: type into the entry, press a button or a row marker.
struct Act {
    enum Kind { Type, Paste, Press, Mark } kind;
    QString text;
    const char* button = nullptr;
    int row = 0;
};

Act typed(const QString& text) {
    return {Act::Type, text};
}
Act pasted(const QString& text) {
    return {Act::Paste, text};
}
Act pressed(const char* button) {
    return {Act::Press, {}, button};
}
Act marked(int row) {
    return {Act::Mark, {}, nullptr, row};
}
std::vector<Act> hypotheses(std::initializer_list<const char*> formulas) {
    std::vector<Act> acts;
    for (const char* formula : formulas) {
        acts.push_back(typed(QString::fromUtf8(formula)));
        acts.push_back(pressed("AnadirHipotesis"));
    }
    return acts;
}
std::vector<Act> operator+(std::vector<Act> first, const std::vector<Act>& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

struct FormulasCase {
    const char* name;
    std::vector<Act> acts;
    std::array<std::string, 6> rows;
    std::string conclusion;
    QString entry;
    std::vector<std::pair<QString, QString>> messages;
    bool accepted = false;
};

void PrintTo(const FormulasCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

const std::pair<QString, QString> kSyntaxBox{QStringLiteral("Error de sintaxis"), kSyntax};
const std::pair<QString, QString> kTooDeepBox{
    QStringLiteral("Error de sintaxis"),
    QStringLiteral(
        "La fórmula anida demasiados grupos entre paréntesis para convertirla en diagrama: caben "
        "hasta 20 grupos uno dentro de otro, y solo 10 cuando cada grupo sigue a un operador o a ¬.")};
const std::pair<QString, QString> kEmptyBox{QStringLiteral("Error de fórmula"),
                                            QStringLiteral("Debe introducir una fórmula")};
const std::pair<QString, QString> kSelectToEdit{
    QStringLiteral("Error de selección"), QStringLiteral("Debe seleccionar la hipótesis que desea editar")};

class Formulas : public testing::TestWithParam<FormulasCase> {};

TEST_P(Formulas, FollowTheStudent) {
    FakeHost host;
    DlgTomaFormulas dialog(host);
    auto& entry = child<FormulaEntryField>(dialog, "NuevaFormula");
    for (const Act& act : GetParam().acts) {
        if (act.kind == Act::Type) {
            entry.setCursorPosition(static_cast<int>(entry.text().size()));
            type(entry, act.text);
        } else if (act.kind == Act::Paste) {
            entry.setCursorPosition(static_cast<int>(entry.text().size()));
            entry.insert(act.text);
        } else if (act.kind == Act::Press) {
            press(dialog, act.button);
        } else {
            const std::string name = "MarcaHipotesis" + std::to_string(act.row);
            child<QRadioButton>(dialog, name.c_str()).click();
        }
    }
    EXPECT_EQ(dialog.hypotheses(), GetParam().rows);
    EXPECT_EQ(dialog.conclusion(), GetParam().conclusion);
    EXPECT_EQ(entry.text(), GetParam().entry);
    EXPECT_EQ(captionsAndTexts(host), GetParam().messages);
    EXPECT_EQ(dialog.result() == QDialog::Accepted, GetParam().accepted);
}

const auto kSixRows = hypotheses({"A", "B", "C", "D", "E", "F"});

INSTANTIATE_TEST_SUITE_P(
    DlgTomaFormulas, Formulas,
    testing::Values(
        FormulasCase{
            "SeventhHypothesisIsTooMany",
            kSixRows + std::vector{typed("G"), pressed("AnadirHipotesis")},
            {"A", "B", "C", "D", "E", "F"},
            "",
            "G",
            {{QStringLiteral("Exceso de hipótesis"),
              QStringLiteral("Todas las casillas de hipótesis están ocupadas, si desea añadir una nueva "
                             "hipótesis deberá eliminar antes una de las hipótesis ya introducidas")}}},
        FormulasCase{"DeletedRowIsFilledFirst",
                     kSixRows + std::vector{marked(3), pressed("EliminarHipotesis")} + hypotheses({"G"}),
                     {"A", "B", "G", "D", "E", "F"},
                     "",
                     "",
                     {}},
        FormulasCase{"MarkingAnEmptyRowMarksNothing",
                     hypotheses({"A"}) + std::vector{marked(1), marked(2), pressed("EditarHipotesis")},
                     {"A"},
                     "",
                     "",
                     {kSelectToEdit}},
        FormulasCase{"DeletingWithoutMark",
                     hypotheses({"A"}) + std::vector{pressed("EliminarHipotesis")},
                     {"A"},
                     "",
                     "",
                     {{QStringLiteral("Error de selección"),
                       QStringLiteral("Debe seleccionar la hipótesis que desea eliminar")}}},
        FormulasCase{"EditingMovesTheRowIntoTheEntry",
                     hypotheses({"A", "B\u2227C"}) + std::vector{marked(2), pressed("EditarHipotesis")},
                     {"A"},
                     "",
                     "B\u2227C",
                     {}},
        FormulasCase{"EditingUnmarksTheRow",
                     hypotheses({"A"}) +
                         std::vector{marked(1), pressed("EditarHipotesis"), pressed("EditarHipotesis")},
                     {},
                     "",
                     "A",
                     {kSelectToEdit}},
        FormulasCase{"BlanksAreRemoved",
                     hypotheses({"a \u2227 b"}),
                     {"A\xD9"
                      "B"},
                     "",
                     "",
                     {}},
        // Pasted text once had only its last letter made a capital, and its arrow dropped.
        FormulasCase{"PastedTextFollowsTheTypingRule",
                     std::vector{pasted("p -> q & ~r"), pressed("AnadirHipotesis")},
                     {"P\xAEQ\xD9\xD8R"},
                     "",
                     "",
                     {}},
        FormulasCase{"BlanksAloneStoreNothingAndSayWhy", hypotheses({"   "}), {}, "", "", {kEmptyBox}},
        FormulasCase{"BadSyntaxKeepsTheEntry", hypotheses({"ab"}), {}, "", "AB", {kSyntaxBox}},
        FormulasCase{"DanglingConnectiveIsRefused", hypotheses({"a\u2192"}), {}, "", "A\u2192", {kSyntaxBox}},
        FormulasCase{"LowerCaseInTheMiddleIsRefused",
                     std::vector{typed("AB"), pressed("KeyNegation")} + hypotheses({""}),
                     {},
                     "",
                     "AB\u00AC",
                     {kSyntaxBox}},
        FormulasCase{
            "SecondConclusion",
            std::vector{typed("a"), pressed("AnadirConclusion"), typed("b"), pressed("AnadirConclusion")},
            {},
            "A",
            "B",
            {{QStringLiteral("Conclusión existente"),
              QStringLiteral("Ya existe una conclusión anterior. Si desea introducir una nueva deberá "
                             "eliminar primero la conclusión anterior.")}}},
        FormulasCase{"ConclusionBadSyntax",
                     std::vector{typed("(a"), pressed("AnadirConclusion")},
                     {},
                     "",
                     "(A",
                     {kSyntaxBox}},
        FormulasCase{"EditingTheConclusion",
                     std::vector{typed("\u00ACa"), pressed("AnadirConclusion"), pressed("EditarConclusion")},
                     {},
                     "",
                     "\u00ACA",
                     {}},
        FormulasCase{"NoConclusionToEditOrDelete",
                     std::vector{pressed("EditarConclusion"), pressed("EliminarConclusion")},
                     {},
                     "",
                     "",
                     {{QStringLiteral("Conclusión inexistente"),
                       QStringLiteral("No existe una conclusión guardada. No se ha podido editar ninguna "
                                      "conclusión.")},
                      {QStringLiteral("Conclusión inexistente"),
                       QStringLiteral("No existe una conclusión guardada. No se ha podido eliminar ninguna "
                                      "conclusión.")}}},
        FormulasCase{"AcceptingWithoutHypothesis",
                     std::vector{typed("a"), pressed("AnadirConclusion"), pressed("Aceptar")},
                     {},
                     "A",
                     "",
                     {{QStringLiteral("Error de hipótesis"),
                       QStringLiteral("Debe introducir al menos una hipótesis")}}},
        FormulasCase{"Accepting",
                     hypotheses({"A", "B\u2192C"}) + std::vector{marked(1), pressed("EliminarHipotesis"),
                                                                 typed("C"), pressed("AnadirConclusion"),
                                                                 pressed("Aceptar")},
                     {"", "B\xAE"
                          "C"},
                     "C",
                     "",
                     {},
                     true},
        // Alone each fits the conversion; joined as (H1)∧(H2) the second no longer does, and the
        // exercise would refuse them.
        FormulasCase{"JoinedHypothesesTooDeep",
                     hypotheses({"B", nested(19).c_str()}) + std::vector{pressed("Aceptar")},
                     {"B", nested(19)},
                     "",
                     "",
                     {kTooDeepBox}},
        FormulasCase{"DeepestJoinedHypothesesAccepted",
                     hypotheses({"B", nested(18).c_str()}) + std::vector{pressed("Aceptar")},
                     {"B", nested(18)},
                     "",
                     "",
                     {},
                     true}),
    [](const testing::TestParamInfo<FormulasCase>& info) { return std::string(info.param.name); });

TEST(FormulasMarker, ColoursOnlyTheMarkedRow) {
    FakeHost host;
    DlgTomaFormulas dialog(host);
    type(child<FormulaEntryField>(dialog, "NuevaFormula"), QStringLiteral("a"));
    press(dialog, "AnadirHipotesis");
    type(child<FormulaEntryField>(dialog, "NuevaFormula"), QStringLiteral("b"));
    press(dialog, "AnadirHipotesis");
    const QColor unmarked = child<QLineEdit>(dialog, "Hipotesis1").palette().color(QPalette::Base);
    const QColor marked(30, 175, 230);
    ASSERT_NE(unmarked, marked);

    child<QRadioButton>(dialog, "MarcaHipotesis1").click();
    EXPECT_EQ(child<QLineEdit>(dialog, "Hipotesis1").palette().color(QPalette::Base), marked);
    child<QRadioButton>(dialog, "MarcaHipotesis2").click();
    EXPECT_EQ(child<QLineEdit>(dialog, "Hipotesis1").palette().color(QPalette::Base), unmarked);
    EXPECT_EQ(child<QLineEdit>(dialog, "Hipotesis2").palette().color(QPalette::Base), marked);
    child<QRadioButton>(dialog, "MarcaHipotesis5").click();
    EXPECT_EQ(child<QLineEdit>(dialog, "Hipotesis2").palette().color(QPalette::Base), unmarked);
    EXPECT_FALSE(child<QRadioButton>(dialog, "MarcaHipotesis5").isChecked());
}

// ---- New exercise ----

struct TitleCase {
    const char* name;
    QString typed;
    std::string title;
    int messages;
    bool accepted;
};

void PrintTo(const TitleCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class NewExerciseTitle : public testing::TestWithParam<TitleCase> {};

TEST_P(NewExerciseTitle, IsCutToFiftyCharacters) {
    FakeHost host;
    DlgNuevoEjercicio dialog(host);
    dialog.show();
    type(child<QLineEdit>(dialog, "Titulo"), GetParam().typed);
    press(dialog, "Aceptar");
    EXPECT_EQ(dialog.title(), GetParam().title);
    ASSERT_EQ(host.messages.size(), static_cast<std::size_t>(GetParam().messages));
    if (GetParam().messages > 0) {
        EXPECT_EQ(host.messages[0].caption, QStringLiteral("Título demasiado largo"));
        EXPECT_EQ(host.messages[0].text,
                  QStringLiteral("La longitud del Título no debe ser mayor de 50 carácteres."));
        EXPECT_EQ(dialog.focusWidget(), &child<QLineEdit>(dialog, "Titulo"));
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        press(dialog, "Aceptar");
    }
    EXPECT_EQ(dialog.result(), QDialog::Accepted) << "accepts the cut title";
}

INSTANTIATE_TEST_SUITE_P(
    DlgNuevoEjercicio, NewExerciseTitle,
    testing::Values(TitleCase{"FiftyPass", QString(50, u'x'), std::string(50, 'x'), 0, true},
                    TitleCase{"FiftyOneCut", QString(50, u'x') + "yz", std::string(50, 'x'), 1, false},
                    TitleCase{"Latin1Accents", QStringLiteral("Lógica Año"), "L\xF3gica A\xF1o", 0, true},
                    TitleCase{"BeyondLatin1ReplacedOrLeftOut", QStringLiteral("A\u2227B \u20AC5"), "AB EUR5",
                              0, true}),
    [](const testing::TestParamInfo<TitleCase>& info) { return std::string(info.param.name); });

TEST(NewExercise, KeepsAuthorCommentsAndDateAsLatin1) {
    FakeHost host;
    DlgNuevoEjercicio dialog(host);
    dialog.setDate(QDate(2024, 2, 29));
    type(child<QLineEdit>(dialog, "Autor"), QStringLiteral("Peñalver \u0141"));
    child<QPlainTextEdit>(dialog, "Comentarios").setPlainText(QStringLiteral("Línea\u2192uno\nDos"));
    // Once "ukasz" silently: now an equivalent where there is one, and the student is told.
    EXPECT_EQ(dialog.author(), "Pe\xF1"
                               "alver L");
    EXPECT_EQ(child<QLineEdit>(dialog, "Autor").toolTip(),
              QStringLiteral(
                  "El fichero solo guarda letras y signos del alfabeto latino: se ha escrito Ł como L."));
    EXPECT_EQ(dialog.comments(), "L\xED"
                                 "neauno\nDos");
    EXPECT_TRUE(
        child<QPlainTextEdit>(dialog, "Comentarios").toolTip().endsWith(QStringLiteral("se ha quitado →.")));
    EXPECT_EQ(dialog.date(), QDate(2024, 2, 29));
}

// ---- The insertion rule's formula ----

struct InsertionCase {
    const char* name;
    QString typed;
    std::vector<std::pair<QString, QString>> messages;
    std::string formula;
};

void PrintTo(const InsertionCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class Insertion : public testing::TestWithParam<InsertionCase> {};

TEST_P(Insertion, EndsOnlyWithAFormulaTheRuleTakes) {
    FakeHost host;
    DlgInsertarGrafico dialog(host);
    type(child<FormulaEntryField>(dialog, "FormulaAInsertar"), GetParam().typed);
    press(dialog, "Insertar");
    EXPECT_EQ(captionsAndTexts(host), GetParam().messages);
    EXPECT_EQ(dialog.result() == QDialog::Accepted, GetParam().messages.empty());
    EXPECT_EQ(dialog.formula(), GetParam().formula);
}

const std::pair<QString, QString> kInsertionSyntaxBox{QStringLiteral("Error de sintaxis"), kInsertionSyntax};

INSTANTIATE_TEST_SUITE_P(
    DlgInsertarGrafico, Insertion,
    testing::Values(InsertionCase{"Empty", "", {kEmptyBox}, ""},
                    InsertionCase{"BlanksOnly", "  ", {kEmptyBox}, "  "},
                    InsertionCase{"TwoLetters", "ab", {kInsertionSyntaxBox}, "AB"},
                    InsertionCase{"UnclosedGroup", "(a", {kInsertionSyntaxBox}, "(A"},
                    InsertionCase{"DanglingNegation", "a\u2227\u00AC", {kInsertionSyntaxBox}, "A\xD9\xD8"},
                    InsertionCase{"TooDeep", QString::fromStdString(nested(21)), {kTooDeepBox}, nested(21)},
                    InsertionCase{"GoodFormulaAsTyped",
                                  "(a \u2228 b)\u2192c",
                                  {},
                                  "(A \xDA B)\xAE"
                                  "C"}),
    [](const testing::TestParamInfo<InsertionCase>& info) { return std::string(info.param.name); });

// ---- The double cut's position ----

struct DoubleCutCase {
    const char* name;
    std::vector<const char*> clicks;
    bool closed;
    DoubleCutPosition position;
};

void PrintTo(const DoubleCutCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class DoubleCut : public testing::TestWithParam<DoubleCutCase> {};

TEST_P(DoubleCut, AnswersHoweverItEnds) {
    DlgInsertarDobleCorte dialog;
    for (const char* radio : GetParam().clicks) {
        child<QRadioButton>(dialog, radio).click();
    }
    if (GetParam().closed) {
        dialog.reject();
    } else {
        press(dialog, "Aceptar");
    }
    EXPECT_EQ(dialog.position(), GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(
    DlgInsertarDobleCorte, DoubleCut,
    testing::Values(DoubleCutCase{"InsideByDefault", {}, false, DoubleCutPosition::Inside},
                    DoubleCutCase{"Around", {"Alrededor"}, false, DoubleCutPosition::Around},
                    DoubleCutCase{
                        "AroundThenInside", {"Alrededor", "Dentro"}, false, DoubleCutPosition::Inside},
                    DoubleCutCase{"AroundAndClosed", {"Alrededor"}, true, DoubleCutPosition::Around}),
    [](const testing::TestParamInfo<DoubleCutCase>& info) { return std::string(info.param.name); });

// ---- Names and titles ----

TEST(Dialogs, CarryTheirNamesAndTitles) {
    FakeHost host;
    const DlgNuevoEjercicio newExercise(host);
    const DlgTomaFormulas formulas(host);
    const DlgInsertarGrafico insertion(host);
    const DlgInsertarDobleCorte doubleCut;
    const DlgNuevoTeorema theorem(host);
    const std::vector<std::pair<const QDialog*, QString>> expected{
        {&newExercise, QStringLiteral("DlgNuevoEjercicio|Nuevo Ejercicio")},
        {&theorem, QStringLiteral("DlgNuevoTeorema|Nuevo teorema")},
        {&formulas, QStringLiteral("DlgTomaFormulas|Fórmulas del ejercicio")},
        {&insertion, QStringLiteral("DlgInsertarGrafico|Regla de Inserción")},
        {&doubleCut, QStringLiteral("DlgInsertarDobleCorte|Inserción de \"Doble Corte\"")}};
    for (const auto& [dialog, nameAndTitle] : expected) {
        EXPECT_EQ(dialog->objectName() + "|" + dialog->windowTitle(), nameAndTitle);
    }
}

TEST(Dialogs, FollowTheDesignedTabOrder) {
    FakeHost host;
    DlgNuevoEjercicio newExercise(host);
    DlgTomaFormulas formulas(host);
    DlgInsertarGrafico insertion(host);
    DlgInsertarDobleCorte doubleCut;
    DlgNuevoTeorema theorem(host);
    const QString keypad = QStringLiteral("KeyNegation KeyImplication KeyDisjunction KeyConjunction ");
    const std::vector<std::pair<QDialog*, QString>> expected{
        {&newExercise, QStringLiteral("Titulo Autor Comentarios Fecha Aceptar Cancelar")},
        {&formulas,
         keypad + QStringLiteral("NuevaFormula MarcaHipotesis1 MarcaHipotesis2 MarcaHipotesis3 "
                                 "MarcaHipotesis4 MarcaHipotesis5 MarcaHipotesis6 AnadirHipotesis "
                                 "EditarHipotesis EliminarHipotesis AnadirConclusion EditarConclusion "
                                 "EliminarConclusion Aceptar Cancelar")},
        {&insertion, keypad + QStringLiteral("FormulaAInsertar Insertar")},
        {&theorem, keypad + QStringLiteral("FormulaTeorema Aceptar Cancelar")},
        {&doubleCut, QStringLiteral("Dentro Alrededor Aceptar")}};
    for (const auto& [dialog, order] : expected) {
        EXPECT_EQ(test::tabOrder(*dialog).join(u' '), order) << dialog->objectName().toStdString();
    }
}

} // namespace
} // namespace osmira::workbench
