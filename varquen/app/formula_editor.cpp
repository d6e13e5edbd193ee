#include "formula_editor.h"

#include "display_text.h"

#include <QKeyEvent>
#include <QMimeData>

namespace varquen::app {

FormulaEditor::FormulaEditor(QWidget* parent) : QTextEdit(parent) { setAcceptRichText(false); }

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
