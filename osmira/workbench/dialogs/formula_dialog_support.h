#pragma once

#include <QFont>
#include <QLineEdit>
#include <QString>

class QBoxLayout;
class QPlainTextEdit;

#include <string_view>

namespace osmira::workbench {

// "MS Sans Serif" 8 points, the face of every dialog; Qt substitutes a face it has.
QFont dialogFont();

// A fixed text of the core (Latin-1 bytes) as screen text.
QString latin1Text(std::string_view bytes);

// Keeps a text field to the characters the model can hold (Latin-1), so what is shown is exactly
// what is stored: whatever else is typed or pasted becomes its usual equivalent (straight quotes,
// a hyphen, L for Ł) or is left out, and a note beside the field says which.
void keepLatin1(QLineEdit& field);
void keepLatin1(QPlainTextEdit& field);

class FormulaEntryField;

// The formula entry field of a one-entry dialog, named `objectName`, added to `layout` under its
// keypad and its label; the keypad comes first in the tab order.
FormulaEntryField& addFormulaEntry(QWidget& dialog, QBoxLayout& layout, const QString& objectName,
                                   const QString& label);

// The caption of the box that refuses a formula entry: an empty entry's or a refused formula's.
QString entryRefusalCaption(std::string_view formula);

// A read-only line that shows one formula in the formula face.
QLineEdit* createFormulaLine(const QString& objectName, QWidget* parent);

} // namespace osmira::workbench
