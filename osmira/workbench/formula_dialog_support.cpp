#include "formula_dialog_support.h"

#include "formula_entry_field.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
namespace osmira::workbench {

QFont dialogFont() {
    return QFont(QStringLiteral("MS Sans Serif"), 8);
}

QString latin1Text(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QLineEdit* createFormulaLine(const QString& objectName, QWidget* parent) {
    auto* line = new QLineEdit(parent);
    line->setObjectName(objectName);
    line->setReadOnly(true);
    line->setFocusPolicy(Qt::NoFocus);
    line->setFont(formulaFont());
    return line;
}

namespace {

bool beyondLatin1(QChar character) {
    // The line separator of a multi-line field is read back as a line break.
    return character.unicode() > 0xFF && character != QChar::LineSeparator;
}

} // namespace

void keepLatin1(QLineEdit& field) {
    QObject::connect(&field, &QLineEdit::textChanged, &field, [&field](const QString& text) {
        QString kept;
        int caret = field.cursorPosition();
        const int oldCaret = caret;
        for (int i = 0; i < text.size(); ++i) {
            if (!beyondLatin1(text.at(i))) {
                kept += text.at(i);
            } else if (i < oldCaret) {
                --caret;
            }
        }
        if (kept != text) {
            const QSignalBlocker blocker(field);
            field.setText(kept);
            field.setCursorPosition(caret);
        }
    });
}

void keepLatin1(QPlainTextEdit& field) {
    QObject::connect(&field, &QPlainTextEdit::textChanged, &field, [&field] {
        QTextDocument& document = *field.document();
        // From the end, so that earlier positions stay valid while characters go.
        for (QTextBlock block = document.lastBlock(); block.isValid(); block = block.previous()) {
            const QString text = block.text();
            for (int i = static_cast<int>(text.size()) - 1; i >= 0; --i) {
                if (beyondLatin1(text.at(i))) {
                    QTextCursor cursor(&document);
                    cursor.setPosition(block.position() + i);
                    cursor.deleteChar();
                }
            }
        }
    });
}

} // namespace osmira::workbench
