#include "main_window.h"

#include "display_text.h"
#include "file_access.h"
#include "formula_editor.h"
#include "program_icon.h"
#include "suite/question_progress.h"
#include "varquen/countermodel_text.h"
#include "varquen/formula_file.h"
#include "varquen/output_text.h"
#include "varquen/tokens.h"
#include "varquen/translation.h"
#include "varquen/translation_reader.h"
#include "varquen/validity_question.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QTextEdit>

#include <array>
#include <vector>

namespace varquen::app {

namespace {

const QString kOpenFilter = QStringLiteral("Ficheros de texto|*.txt|Todos los ficheros|*.*");
const QString kSaveFilter =
    QStringLiteral("Ficheros de Texto|*.txt|Ficheros de TeX|*.tex|Todos los ficheros|*.*");
const QString kSansSerif = QStringLiteral("MS Sans Serif");
const QString kSymbol = QStringLiteral("Symbol");
const QString kTextPattern = QStringLiteral("*.txt");

// Engine messages travel to the host's message boxes.
class HostNotifier : public Notifier {
  public:
    explicit HostNotifier(Host& host) : host_(host) {}
    void showMessage(const std::string& text, const std::string& caption) override {
        host_.showMessage(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())),
                          QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size())));
    }

  private:
    Host& host_;
};

QString fromLatin1(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::vector<std::string> lines(const QListWidget* list) {
    std::vector<std::string> result;
    for (int row = 0; row < list->count(); ++row) {
        const QByteArray bytes = list->item(row)->text().toLatin1();
        result.emplace_back(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
    return result;
}

void fill(QListWidget* list, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        list->addItem(fromLatin1(line));
    }
}

struct Placement {
    const char* name;
    int left, top, width, height;
};

template <typename Widget>
Widget* place(QWidget* parent, const Placement& at, int pixelSize, const QString& family = kSansSerif) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(at.name));
    widget->setGeometry(at.left, at.top, at.width, at.height);
    widget->setFont(systemFont(family, pixelSize));
    return widget;
}

} // namespace

TForm1::TForm1(Host& host, QWidget* parent) : QMainWindow(parent), host_(host) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Zudaviror de lógica multivariada a lógica de primer orden"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(programIcon());
    setFont(systemFont(kSansSerif, 16));
    buildWidgets();
    buildMenu();
    borratext();
    setFixedSize(sizeHint());
}

void TForm1::buildWidgets() {
    auto* client = new QWidget(this);
    client->setFixedSize(631, 434);
    setCentralWidget(client);
    buildLabels(client);
    buildDeclarationEntries(client);
    buildPanes(client);
    buildSymbolButtons(client);
    buildTexBoxAndStatusLine(client);
    buildTabOrder();
}

void TForm1::buildLabels(QWidget* client) {
    const std::array<std::pair<Placement, const char*>, 6> labels = {{
        {{"Label1", 8, 0, 105, 24}, "Universos"},
        {{"Label2", 120, 0, 105, 24}, "Variables"},
        {{"Label3", 8, 192, 105, 24}, "Funciones"},
        {{"Label4", 120, 192, 110, 24}, "Relaciones"},
        {{"Label5", 232, 0, 150, 24}, "Fórmula:"},
        {{"Label6", 232, 192, 150, 24}, "Traducción:"},
    }};
    for (const auto& [at, caption] : labels) {
        place<QLabel>(client, at, 19)->setText(QString::fromUtf8(caption));
    }
}

void TForm1::buildDeclarationEntries(QWidget* client) {
    struct Entry {
        Placement edit, list;
        const char* editHint;
        const char* listHint;
    };
    const std::array<Entry, 4> entries = {{
        {{"Edit1", 8, 32, 105, 32},
         {"ListBox1", 8, 72, 105, 113},
         "Aquí se introduce una universo (ejemplo A) y con <ENTER> se pasa a la lista de universos",
         "Lista de Universos"},
        {{"Edit2", 120, 32, 105, 32},
         {"ListBox2", 120, 72, 105, 113},
         "Aquí se introduce una variable y su tipo (ejemplo p:1) y con <ENTER> se pasa a la lista de "
         "variables",
         "Lista de variables"},
        {{"Edit3", 8, 224, 105, 32},
         {"ListBox3", 8, 264, 105, 137},
         "Aquí se introduce una función y su tipo (ejemplo f:0,1,2) y con <ENTER> se pasa a la lista de "
         "funciones",
         "Lista de funciones"},
        {{"Edit4", 120, 224, 105, 32},
         {"ListBox4", 120, 264, 105, 137},
         " Aquí se introduce una relación y su tipo (ejemplo r:2) y con <ENTER> se pasa a la lista de "
         "relaciones",
         "Lista de relaciones"},
    }};
    // Declarations are single lines of Latin-1 text: line breaks, which would split an entry in
    // two in the formula file, and characters beyond Latin-1 cannot be typed or pasted.
    const QRegularExpression oneLatin1Line(
        QStringLiteral("[\\x{0000}-\\x{0009}\\x{000B}\\x{000C}\\x{000E}-\\x{00FF}]*"));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        QLineEdit* edit = place<QLineEdit>(client, entries[i].edit, 19);
        edit->setToolTip(QString::fromUtf8(entries[i].editHint));
        edit->setValidator(new QRegularExpressionValidator(oneLatin1Line, edit));
        QListWidget* list = place<QListWidget>(client, entries[i].list, 16);
        list->setToolTip(QString::fromUtf8(entries[i].listHint));
        list->setUniformItemSizes(true);
        connect(edit, &QLineEdit::returnPressed, this, [this, edit, list] { appendEntry(edit, list); });
        buildListEditing(edit, list);
        edits_[i] = edit;
        lists_[i] = list;
    }
}

// One typo need not cost the whole list: Delete removes the selected line and a double click
// takes it back into its field to be corrected.
void TForm1::buildListEditing(QLineEdit* field, QListWidget* list) {
    auto* remove = new QShortcut(QKeySequence::Delete, list, nullptr, nullptr, Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, list, [list] { delete list->currentItem(); });
    connect(list, &QListWidget::itemDoubleClicked, this, [field](QListWidgetItem* item) {
        field->setText(item->text());
        delete item;
        field->setFocus();
    });
}

void TForm1::buildPanes(QWidget* client) {
    formulaEditor_ = place<FormulaEditor>(client, {"RichEdit1", 232, 32, 393, 153}, 16);
    formulaEditor_->setToolTip(QStringLiteral("Esta es la ventana que contiene la fórmula a traducir"));
    outputPane_ = place<QTextEdit>(client, {"RichEdit2", 232, 224, 393, 177}, 16);
    outputPane_->setReadOnly(true);
    outputPane_->setToolTip(QStringLiteral("Esta es la ventana en que aparece la traducción"));
    earlierNote_ = place<QLabel>(client, {"Label8", 348, 190, 130, 32}, 12);
    earlierNote_->setText(QStringLiteral("Es la traducción de una fórmula anterior"));
    earlierNote_->setWordWrap(true);
    earlierNote_->setStyleSheet(QStringLiteral("color: #a00000"));
    earlierNote_->setToolTip(QStringLiteral("La última traducción falló: el mensaje de error está en la "
                                            "línea de estado"));
    earlierNote_->hide();
}

void TForm1::buildSymbolButtons(QWidget* client) {
    const std::array<std::pair<char, const char*>, 6> buttons = {{
        {SymbolChars[kImpliesIndex], "Botón para obtener una implicación"},
        {SymbolChars[kNotIndex], "Botón para obtener una negación"},
        {SymbolChars[kAndIndex], "Botón para obtener un and"},
        {SymbolChars[kOrIndex], "Botón para obtener un or"},
        {SymbolChars[kExistsIndex], "Botón para obtener un existe"},
        {SymbolChars[kForAllIndex], "Botón para obtener un paratodo"},
    }};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const std::string name = "Button" + std::to_string(i + 1);
        auto* button = place<QPushButton>(client, {name.c_str(), 392 + 40 * static_cast<int>(i), 0, 33, 25},
                                          16, kSymbol);
        const char symbolByte = buttons[i].first;
        button->setText(displayFromModel(std::string(1, symbolByte)));
        button->setToolTip(QString::fromUtf8(buttons[i].second));
        connect(button, &QPushButton::clicked, this, [this, symbolByte] { insertSymbol(symbolByte); });
        buttons_[i] = button;
    }
}

void TForm1::buildTexBoxAndStatusLine(QWidget* client) {
    texBox_ = place<QCheckBox>(client, {"CheckBox1", 480, 192, 145, 25}, 16);
    texBox_->setText(QStringLiteral("Salida en TeX"));
    texBox_->setToolTip(QStringLiteral("Si esta seleccionado, la traducción se hace a TeX"));

    statusLine_ = place<QLabel>(client, {"Label7", 8, 408, 617, 22}, 16);
    statusLine_->setToolTip(QStringLiteral("Linea de estado, sirve para mostrar los mensajes de error"));
}

// Every entry field before its list, the two panes, the symbol buttons left to right, the TeX box.
void TForm1::buildTabOrder() {
    std::vector<QWidget*> order;
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        order.push_back(edits_[i]);
        order.push_back(lists_[i]);
    }
    order.push_back(formulaEditor_);
    order.push_back(outputPane_);
    order.insert(order.end(), buttons_.begin(), buttons_.end());
    order.push_back(texBox_);
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void TForm1::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto addItem = [this](QWidget* menu, const char* name, const QString& text, void (TForm1::*handler)()) {
        auto* action = new QAction(text, menu);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
        menu->addAction(action);
    };
    QMenu* formulaMenu = bar->addMenu(QStringLiteral("&Fórmula"));
    addItem(formulaMenu, "Nuevo1", QStringLiteral("&Borrar"), &TForm1::Nuevo1Click);
    addItem(formulaMenu, "Abrir1", QStringLiteral("&Recuperar"), &TForm1::Abrir1Click);
    addItem(formulaMenu, "Guardar1", QStringLiteral("&Guardar"), &TForm1::Guardar1Click);
    QMenu* translationMenu = bar->addMenu(QStringLiteral("&Traducción"));
    addItem(translationMenu, "Generar1", QStringLiteral("&Hacer"), &TForm1::Generar1Click);
    // Translating is what a student does most, so it gets keys that work from the formula editor.
    QAction* generar = translationMenu->actions().constLast();
    generar->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter),
                           QKeySequence(Qt::Key_F5)});
    addAction(generar);
    addItem(translationMenu, "Salvar1", QStringLiteral("&Guardar"), &TForm1::Salvar1Click);
    addItem(translationMenu, "Valida1", QStringLiteral("¿Es &válida?"), &TForm1::askWhetherValid);
    addItem(bar, "Salir1", QStringLiteral("&Salir"), &TForm1::Salir1Click);
    addItem(bar, "Ayuda1", QStringLiteral("&Ayuda"), &TForm1::Ayuda1Click);
}

Declarations TForm1::declarations() const {
    return {lines(lists_[0]), lines(lists_[1]), lines(lists_[2]), lines(lists_[3])};
}

std::string TForm1::formula() const {
    return modelFromDisplay(formulaEditor_->toPlainText());
}

void TForm1::setFormula(const std::string& bytes) {
    QString text = displayFromModel(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    formulaEditor_->setPlainText(text);
}

void TForm1::setStatus(const QString& text) {
    statusLine_->setText(text);
}

void TForm1::appendEntry(QLineEdit* field, QListWidget* list) {
    list->addItem(field->text());
    field->clear();
}

void TForm1::insertSymbol(char symbolByte) {
    QTextCursor cursor = formulaEditor_->textCursor();
    cursor.setPosition(cursor.selectionStart());
    cursor.insertText(QLatin1Char(' ') + displayFromModel(std::string(1, symbolByte)) + QLatin1Char(' '));
    formulaEditor_->setTextCursor(cursor);
    formulaEditor_->setFocus();
}

void TForm1::borratext() {
    formulaEditor_->clear();
    outputPane_->clear();
    earlierNote_->hide();
}

void TForm1::Nuevo1Click() {
    setStatus(QString());
    for (QListWidget* list : lists_) {
        list->clear();
    }
    borratext();
}

void TForm1::Abrir1Click() {
    const QString path = host_.openFileName(kOpenFilter);
    if (!path.isEmpty()) {
        openFile(path);
    }
}

void TForm1::openFile(const QString& path) {
    currentPath_ = path;
    const WholeFileRead bytes = readWholeFile(path);
    if (!bytes.value) {
        setStatus(bytes.reason);
        return;
    }
    const FormulaFileRead read = readFormulaFile(*bytes.value);
    if (!read.value) {
        host_.showMessage(fromLatin1(read.reason), QStringLiteral("Error"));
        return;
    }
    Nuevo1Click();
    fill(lists_[0], read.value->declarations.universes);
    fill(lists_[1], read.value->declarations.variables);
    fill(lists_[2], read.value->declarations.functions);
    fill(lists_[3], read.value->declarations.relations);
    setFormula(read.value->formula);
}

QString TForm1::chooseSavePath(const QString& preset) {
    QString offered = preset;
    for (;;) {
        const SaveChoice choice = host_.saveFileName(kSaveFilter, offered);
        if (choice.path.isEmpty()) {
            return {};
        }
        QString path = choice.path;
        // Without it the open dialog's default filter would hide the file.
        if (choice.filterPattern == kTextPattern && !QFileInfo(path).fileName().contains(QLatin1Char('.'))) {
            path += kTextPattern.mid(1);
        }
        if (!QFileInfo::exists(path) || host_.confirmReplace(path)) {
            return path;
        }
        offered = path;
    }
}

bool TForm1::saveFile(const QString& path, const std::string& bytes) {
    const std::optional<QString> reason = writeFileAtomically(path, bytes);
    if (!reason) {
        return true;
    }
    setStatus(QStringLiteral("No puedo crear fichero de salida"));
    // The status line says that the save failed; the student also learns why.
    host_.showMessage(QStringLiteral("No se ha podido guardar %1.\n%2").arg(path, *reason),
                      QStringLiteral("Error"));
    return false;
}

void TForm1::Guardar1Click() {
    const QString path = chooseSavePath(currentPath_);
    if (path.isEmpty()) {
        return;
    }
    currentPath_ = path;
    const FormulaFileWrite written = writeFormulaFile({declarations(), formula()});
    if (!written.bytes) {
        host_.showMessage(fromLatin1(written.reason), QStringLiteral("Error"));
        return;
    }
    if (!saveFile(path, *written.bytes)) {
        return;
    }
    setStatus(QStringLiteral("Fichero guardado"));
}

void TForm1::Generar1Click() {
    HostNotifier notifier(host_);
    lastTranslation_ = translateFormula(declarations(), formula(), texBox_->isChecked(), notifier);
    const bool translated = lastTranslation_.error == ParseError::None;
    if (translated) {
        outputPane_->setPlainText(displayFromModel(lastTranslation_.output));
    }
    earlierNote_->setVisible(!translated && !outputPane_->document()->isEmpty());
    setStatus(fromLatin1(lastTranslation_.status));
}

void TForm1::Salvar1Click() {
    Generar1Click();
    const QString path = chooseSavePath(lastTranslationPath_);
    if (path.isEmpty()) {
        return;
    }
    lastTranslationPath_ = path;
    saveFile(path, spelledOutput(lastTranslation_));
}

void TForm1::askWhetherValid() {
    HostNotifier notifier(host_);
    const ProblemRead read = validityProblem(declarations(), formula(), notifier);
    if (!read.value) {
        setStatus(fromLatin1(read.reason));
        return;
    }
    ValidityAnswer answer;
    suite::askShowingProgress(
        this, QStringLiteral("Preguntando a los demostradores…"), [&](std::stop_token stop) {
            answer = askProver(*read.value, suite::kDefaultProverTimeLimit, std::move(stop));
        });
    setStatus(QString::fromUtf8(suite::verdictLine(answer.verdict)));
    host_.showMessage(fromLatin1(answerText(answer)), QStringLiteral("¿Es válida?"));
}

void TForm1::Salir1Click() {
    host_.quit();
}

void TForm1::Ayuda1Click() {
    host_.showHelp(QStringLiteral("Varquen.hlp"), QStringLiteral("indice"));
}

} // namespace varquen::app
