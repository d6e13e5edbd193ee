#include "formula_dialog_support.h"

#include "formula_entry_field.h"
#include "formula_keypad.h"

#include "suite/latin1.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QToolTip>
namespace osmira::workbench {

QFont dialogFont() {
    return QFont(QStringLiteral("MS Sans Serif"), 8);
}

QString latin1Text(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

FormulaEntryField& addFormulaEntry(QWidget& dialog, QBoxLayout& layout, const QString& objectName,
                                   const QString& label) {
    // The entry joins the dialog after its keypad.
    auto* entry = new FormulaEntryField;
    entry->setObjectName(objectName);
    layout.addWidget(new FormulaKeypad(*entry, &dialog));
    auto* caption = new QLabel(label, &dialog);
    caption->setBuddy(entry);
    layout.addWidget(caption);
    entry->setParent(&dialog);
    layout.addWidget(entry);
    return *entry;
}

QString entryRefusalCaption(std::string_view formula) {
    return formula.empty() ? QStringLiteral("Error de fórmula") : QStringLiteral("Error de sintaxis");
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

// The text in the characters the model can hold; a multi-line field's line separator is a line
// break, not a character to tell the student about.
suite::Latin1Fit fitted(QString text) {
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return suite::fitLatin1(text.toUtf8().toStdString());
}

// Tells the student, beside the field, what was written instead of what they typed or pasted.
void tellFit(QWidget& field, const suite::Latin1Fit& fit) {
    const QString note = QString::fromStdString(suite::describeFit(fit));
    field.setToolTip(note);
    QToolTip::showText(field.mapToGlobal(QPoint(0, field.height())), note, &field);
}

} // namespace

void keepLatin1(QLineEdit& field) {
    QObject::connect(&field, &QLineEdit::textChanged, &field, [&field](const QString& text) {
        const suite::Latin1Fit fit = fitted(text);
        if (!fit.changed()) {
            return;
        }
        const auto caret = static_cast<int>(fitted(text.left(field.cursorPosition())).latin1.size());
        {
            const QSignalBlocker blocker(field);
            field.setText(QString::fromLatin1(fit.latin1));
            field.setCursorPosition(caret);
        }
        tellFit(field, fit);
    });
}

void keepLatin1(QPlainTextEdit& field) {
    QObject::connect(&field, &QPlainTextEdit::textChanged, &field, [&field] {
        const QString text = field.toPlainText();
        const suite::Latin1Fit fit = fitted(text);
        if (!fit.changed()) {
            return;
        }
        const int caret = static_cast<int>(fitted(text.left(field.textCursor().position())).latin1.size());
        {
            const QSignalBlocker blocker(field);
            field.setPlainText(QString::fromLatin1(fit.latin1));
            QTextCursor cursor = field.textCursor();
            cursor.setPosition(caret);
            field.setTextCursor(cursor);
        }
        tellFit(field, fit);
    });
}

} // namespace osmira::workbench
