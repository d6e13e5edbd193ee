#include "formula_entry_field.h"

#include "display_text.h"

#include <QSignalBlocker>

#include <algorithm>

namespace osmira::workbench {

namespace {

constexpr char16_t kNegationSign = u'\u00AC';
constexpr char16_t kConjunctionSign = u'\u2227';
constexpr char16_t kDisjunctionSign = u'\u2228';
constexpr char16_t kImplicationSign = u'\u2192';

bool isSign(QChar character) {
    const char16_t code = character.unicode();
    return code == kNegationSign || code == kConjunctionSign || code == kDisjunctionSign ||
           code == kImplicationSign;
}

// Letters are admitted in either case: the typing rule makes the last one a capital, and a
// lower-case letter left in the middle is refused by the syntax check with its message.
bool admitted(QChar character) {
    const char16_t code = character.unicode();
    const bool letter = (code >= u'A' && code <= u'Z') || (code >= u'a' && code <= u'z');
    return letter || code == u'(' || code == u')' || code == u' ' || isSign(character);
}

// A formula copied from Latin-1 text carries the connective bytes as the characters Ø Ù Ú ®;
// they stand for the signs here, since no other use of them is admitted. So do the keyboard's
// ~ & | > that osmira-cli reads ("->" keeps its arrow; the hyphen is not admitted).
QChar asSign(QChar character) {
    switch (character.unicode()) {
    case u'~':
        return QChar(kNegationSign);
    case u'&':
        return QChar(kConjunctionSign);
    case u'|':
        return QChar(kDisjunctionSign);
    case u'>':
        return QChar(kImplicationSign);
    default:
        return displayFormula(formulaBytes(QString(character))).at(0);
    }
}

} // namespace

QFont formulaFont() {
    QFont font(QStringLiteral("Arial"), 9);
    font.setBold(false);
    return font;
}

FormulaEntryField::FormulaEntryField(QWidget* parent) : QLineEdit(parent) {
    setFont(formulaFont());
    connect(this, &QLineEdit::textChanged, this, &FormulaEntryField::onTextChanged);
}

std::string FormulaEntryField::formula() const {
    return formulaBytes(text());
}

void FormulaEntryField::setFormula(const std::string& bytes) {
    clear();
    setText(displayFormula(bytes));
}

void FormulaEntryField::insertSign(QChar sign) {
    insert(QString(sign));
    setFocus();
}

void FormulaEntryField::onTextChanged(const QString& text) {
    QString kept;
    int caret = cursorPosition();
    const int oldCaret = caret;
    for (int i = 0; i < text.size(); ++i) {
        const QChar character = asSign(text.at(i));
        if (admitted(character)) {
            kept += character;
        } else if (i < oldCaret) {
            --caret;
        }
    }
    if (kept != text) {
        replaceText(kept, caret);
    }

    const int length = static_cast<int>(kept.size());
    if (length < rememberedLength_) {
        rememberedLength_ = length;
    } else if (length > rememberedLength_) {
        // One key adds one character, which keeps the designed rule below. Text pasted at once ends
        // at the caret: each of its letters becomes a capital, as when typed at the end.
        const int added = length - rememberedLength_;
        rememberedLength_ = length;
        QString capitalised = kept;
        if (added > 1) {
            for (int i = std::max(0, caret - added); i < std::min(caret, length); ++i) {
                capitalised[i] = capitalised.at(i).toUpper();
            }
        }
        // The last character becomes a capital and the caret goes to the end.
        capitalised[length - 1] = capitalised.at(length - 1).toUpper();
        replaceText(capitalised, length);
    }
}

// Rewrites the text without a new change notification: the change being handled is the one
// the student made.
void FormulaEntryField::replaceText(const QString& text, int caret) {
    const QSignalBlocker blocker(this);
    setText(text);
    setCursorPosition(caret);
}

} // namespace osmira::workbench
