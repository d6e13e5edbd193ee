#include "main_window.h"

#include "display.h"
#include "key_hints.h"
#include "picture_key.h"
#include "pictures.h"
#include "validity_panel.h"
#include "window_artwork.h"

#include "zudaviror/keypad_keys.h"

#include <QEvent>
#include <QFile>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

#include <algorithm>
#include <array>
#include <vector>

namespace zudaviror::app {

namespace {

// The arrangement, in pixels: boxes and command keys on the left, the keypad on the right.
constexpr int kWindowWidth = 650;
constexpr int kDesignedHeight = 560;
constexpr int kValidityRowHeight = 28; // "¿Es válida?" below the designed window; more when it wraps
constexpr int kBottomMargin = 8;
constexpr int kLeftColumnEnd = 440;
constexpr int kFirstCommandRow = 126;
constexpr int kSecondCommandRow = 290;

struct KeyPlace {
    std::string_view name;
    int x, y;
};

constexpr std::array<KeyPlace, 19> kKeyPlaces = {{
    {"p", 450, 36},
    {"q", 494, 36},
    {"r", 450, 80},
    {"s", 494, 80},
    {"t", 450, 124},
    {"FALSO", 494, 124},
    {"CONJUNCION", 552, 36},
    {"DISYUNCION", 596, 36},
    {"CONDICIONAL", 552, 80},
    {"BICONDICIONAL", 596, 80},
    {"NEGADO", 574, 124},
    {"ABIERTO", 450, 200},
    {"CERRADO", 494, 200},
    {"NECESIDAD", 552, 200},
    {"POSIBILIDAD", 596, 200},
    {"F4", 450, 274},
    {"F3", 498, 274},
    {"F1", 548, 274},
    {"F2", 596, 274},
}};

// Places the widgets of a row from left to right with equal gaps, centred on one line.
void spreadRow(const std::vector<QWidget*>& row, int top) {
    int widths = 0;
    int height = 0;
    for (const QWidget* widget : row) {
        widths += widget->width();
        height = std::max(height, widget->height());
    }
    const int gap = (kLeftColumnEnd - kLeftColumn - widths) / static_cast<int>(row.size() - 1);
    int x = kLeftColumn;
    for (QWidget* widget : row) {
        widget->move(x, top + (height - widget->height()) / 2);
        x += widget->width() + gap;
    }
}

} // namespace

DADUREDUREvu::DADUREDUREvu(Host& host, Clock& clock, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      host_(host), notifier_(host), chooser_(host), log_(clock, chooser_, appender_, notifier_),
      keypad_(log_, notifier_) {
    setObjectName(QStringLiteral("DADUREDUREvu"));
    setWindowTitle(QStringLiteral("ZUDAVIROR"));
    setFont(namedFont(QStringLiteral("Desdemona"), 9));
    setPalette(whitePalette(palette()));
    setAutoFillBackground(true);
    move(fromScreenCorner(60, 24));

    buildBoxes();
    buildLabels();
    buildSymbolKeys();
    buildCommandKeys();
    validity_ = new ValidityPanel(
        host_, log_, [this] { return keypad_.formula(); }, this);
    validity_->setGeometry(kLeftColumn, kDesignedHeight, kWindowWidth - 2 * kLeftColumn, kValidityRowHeight);
    fitValidityRow();
    showModel();
}

bool DADUREDUREvu::event(QEvent* event) {
    // The row asks for it when its answer changes: the window has no layout to do it.
    if (event->type() == QEvent::LayoutRequest) {
        fitValidityRow();
    }
    return QWidget::event(event);
}

// The answer wraps onto as many lines as it needs, and the window grows by them.
void DADUREDUREvu::fitValidityRow() {
    const int rowHeight = std::max(kValidityRowHeight, validity_->heightForWidth(validity_->width()));
    validity_->resize(validity_->width(), rowHeight);
    setFixedSize(kWindowWidth, kDesignedHeight + rowHeight + kBottomMargin);
}

void DADUREDUREvu::buildBoxes() {
    const auto box = [this](int id, int height, const QRect& place, bool framed) {
        auto* edit = new QPlainTextEdit(this);
        edit->setObjectName(QString::number(id));
        edit->setReadOnly(true);
        edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        edit->setFocusPolicy(Qt::ClickFocus);
        edit->setFont(zudavirorFont(height));
        // Formulas have no blanks: long ones wrap anywhere rather than run out of sight.
        edit->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        edit->setPalette(whitePalette(edit->palette()));
        edit->setFrameShape(framed ? QFrame::StyledPanel : QFrame::NoFrame);
        edit->setGeometry(place);
        return edit;
    };
    formulaBox_ = box(BoxId::Formula, kFormulaFontHeight, QRect(kLeftColumn, 36, 420, 80), false);
    resultBox_ = box(BoxId::Result, kOutputFontHeight, QRect(kLeftColumn, 200, 420, 80), false);
    stepsBox_ = box(BoxId::Steps, kOutputFontHeight, QRect(kLeftColumn, 368, 616, 180), true);
    stepsBox_->setTabStopDistance(24);
}

void DADUREDUREvu::buildLabels() {
    for (const LabelPlace& place : kLabelPlaces) {
        const QString words = QString::fromUtf8(place.words);
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(place.name));
        label->setAccessibleName(words);
        label->setPixmap(labelPicture(place.words));
        label->resize(label->pixmap().size());
        label->move(place.centred ? place.x - label->width() / 2 : place.x, place.y);
    }
}

void DADUREDUREvu::buildSymbolKeys() {
    for (const KeyPlace& place : kKeyPlaces) {
        const SymbolKey* symbol = findSymbolKey(place.name);
        PictureKey* key =
            new PictureKey(latin1Text(symbol->name), symbol->id, symbolKeyPictures(*symbol), this);
        key->move(place.x, place.y);
        key->setToolTip(keyHint(symbol->name));
        keys_[symbol->id] = key;
        connect(key, &QAbstractButton::clicked, this, [this, key] { pressKey(key->keyName()); });
    }
}

QPushButton* DADUREDUREvu::addTextButton(int id, const QString& caption, const QString& otherCaption) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::number(id));
    const QFontMetrics metrics(button->font());
    const int text = std::max(metrics.horizontalAdvance(caption), metrics.horizontalAdvance(otherCaption));
    button->resize(text + 20, 34);
    return button;
}

void DADUREDUREvu::buildCommandKeys() {
    std::map<int, PictureKey*> commandKeys;
    for (const CommandKey& command : kCommandKeys) {
        auto* key =
            new PictureKey(latin1Text(command.word), command.id, commandKeyPictures(command.word), this);
        key->setToolTip(keyHint(command.word));
        if (command.canBeDisabled) {
            keys_[command.id] = key;
        }
        commandKeys[command.id] = key;
    }
    PictureKey* translate = commandKeys.at(KeyId::TRADUCIR);
    PictureKey* back = commandKeys.at(KeyId::ATRAS);
    PictureKey* clear = commandKeys.at(KeyId::BORRAR);
    PictureKey* quit = commandKeys.at(KeyId::IDOK);
    PictureKey* modal = commandKeys.at(KeyId::MODAL);
    PictureKey* multi = commandKeys.at(KeyId::MULTIVARIADA);
    PictureKey* rules = commandKeys.at(KeyId::REGLAS);
    sessionButton_ =
        addTextButton(KeyId::INICIO_S, latin1Text(kStartSessionCaption), latin1Text(kEndSessionCaption));
    stepsButton_ =
        addTextButton(KeyId::MOSTRAR_T, latin1Text(kShowStepsCaption), latin1Text(kHideStepsCaption));

    spreadRow({sessionButton_, stepsButton_, clear, translate, back}, kFirstCommandRow);
    spreadRow({modal, multi, rules, quit}, kSecondCommandRow);

    // On the row of the steps' title, right of it: the open session and its file.
    sessionState_ = new QLabel(this);
    sessionState_->setObjectName(QStringLiteral("SESION"));
    sessionState_->setGeometry(240, 346, kWindowWidth - 14 - 240, 20);
    sessionState_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    sessionState_->setStyleSheet(QStringLiteral("color: #a00000"));
    sessionState_->hide();

    connect(translate, &QAbstractButton::clicked, this, &DADUREDUREvu::translateCommand);
    connect(back, &QAbstractButton::clicked, this, [this] { pressKey(latin1Text(kAtrasKeyName)); });
    connect(clear, &QAbstractButton::clicked, this, &DADUREDUREvu::clearFormula);
    connect(quit, &QAbstractButton::clicked, this, &QWidget::close);
    connect(modal, &QAbstractButton::clicked, this,
            [this] { host_.showInformation(InformationWindow::Modal); });
    connect(multi, &QAbstractButton::clicked, this,
            [this] { host_.showInformation(InformationWindow::Multivariada); });
    connect(rules, &QAbstractButton::clicked, this,
            [this] { host_.showInformation(InformationWindow::Reglas); });
    connect(sessionButton_, &QPushButton::clicked, this, &DADUREDUREvu::toggleLogSession);
    connect(stepsButton_, &QPushButton::clicked, this, &DADUREDUREvu::toggleStepDisplay);
}

void DADUREDUREvu::pressKey(const QString& keyName) {
    const QByteArray name = keyName.toLatin1();
    keypad_.pressKey(std::string_view(name.constData(), static_cast<std::size_t>(name.size())));
    showModel();
}

void DADUREDUREvu::clearFormula() {
    if (!keypad_.isKeyEnabled(KeyId::BORRAR)) {
        return;
    }
    keypad_.clearFormula();
    showModel();
}

void DADUREDUREvu::translateCommand() {
    const TranslateCommandResult outcome = keypad_.translateCommand();
    showModel();
    if (outcome == TranslateCommandResult::OutOfMemory) {
        host_.endProgram(-1);
    }
}

void DADUREDUREvu::toggleStepDisplay() {
    keypad_.toggleStepDisplay();
    showModel();
}

void DADUREDUREvu::toggleLogSession() {
    log_.toggleLogSession();
    showModel();
}

// The keys and the read-only boxes leave these keys to their window, so typing reaches
// the keypad whichever control has the focus.
void DADUREDUREvu::keyPressEvent(QKeyEvent* event) {
    if (!keyboardCommand(*event)) {
        QWidget::keyPressEvent(event);
    }
}

// A typed key acts as the key on the keypad would, disabled keys included (they do nothing).
bool DADUREDUREvu::keyboardCommand(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Backspace:
        pressKey(latin1Text(kAtrasKeyName));
        return true;
    case Qt::Key_Delete:
        clearFormula();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        translateCommand();
        return true;
    default:
        break;
    }
    // Ctrl+C and the like keep their meaning; Ctrl+Alt is AltGr on some keyboards.
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers.testFlag(Qt::ControlModifier) != modifiers.testFlag(Qt::AltModifier)) {
        return false;
    }
    const QString text = event.text();
    if (text.size() != 1 || text.at(0).unicode() >= 0x80) {
        return false;
    }
    const SymbolKey* key = findSymbolKeyForCode(static_cast<char>(text.at(0).unicode()));
    if (key == nullptr) {
        return false;
    }
    pressKey(latin1Text(key->name));
    return true;
}

void DADUREDUREvu::showModel() {
    if (formulaBox_->font().pixelSize() != keypad_.formulaFontHeight()) {
        formulaBox_->setFont(zudavirorFont(keypad_.formulaFontHeight()));
    }
    formulaBox_->setPlainText(signText(keypad_.formula()));
    formulaBox_->moveCursor(QTextCursor::End);
    formulaBox_->ensureCursorVisible();
    resultBox_->setPlainText(signText(keypad_.result()));
    stepsBox_->setPlainText(signText(keypad_.steps()));
    for (const auto& [id, key] : keys_) {
        const bool enabled = keypad_.isKeyEnabled(id);
        // Qt would hand the focus of a key being disabled to the next control, which may be
        // SALIR; the window keeps it instead, and typing still works.
        if (!enabled && key->hasFocus()) {
            setFocus(Qt::OtherFocusReason);
        }
        key->setEnabled(enabled);
    }
    stepsButton_->setText(latin1Text(keypad_.stepDisplayCaption()));
    stepsButton_->setToolTip(stepsKeyHint(keypad_.stepDisplayOn()));
    sessionButton_->setText(latin1Text(log_.caption()));
    showSession();
    if (validity_ != nullptr) {
        validity_->keepAnswerCurrent();
    }
}

void DADUREDUREvu::showSession() {
    // The path is in the file system's encoding (see the file chooser).
    const QString path = QFile::decodeName(QByteArray::fromStdString(log_.logPath()));
    sessionButton_->setToolTip(sessionKeyHint(log_.isOpen(), path));
    sessionState_->setVisible(log_.isOpen());
    if (log_.isOpen()) {
        const QFontMetrics metrics(sessionState_->font());
        sessionState_->setText(
            metrics.elidedText(sessionStateText(path), Qt::ElideMiddle, sessionState_->width()));
        sessionState_->setToolTip(path);
    }
}

} // namespace zudaviror::app
