#include "formula_editor.h"

#include "display_text.h"

#include <QKeyEvent>
#include <QMimeData>

namespace varquen::app {

// Tab moves to the next field, as in every other field of the window; blanks separate words.
FormulaEditor::FormulaEditor(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(false);
    setTabChangesFocus(true);
}

void FormulaEditor::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.at(0).isPrint();
    if (printable && signsForTyping(typed) != typed) {
        textCursor().insertText(signsForTyping(typed));
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void FormulaEditor::insertFromMimeData(const QMimeData* source) {
    if (source->hasText()) {
        textCursor().insertText(signsForTyping(source->text()));
    }
}

} // namespace varquen::app
