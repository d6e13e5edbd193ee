#pragma once

#include <QFont>
#include <QLineEdit>
#include <QString>

class QPlainTextEdit;

#include <string_view>

namespace osmira::workbench {

// "MS Sans Serif" 8 points, the face of every dialog; Qt substitutes a face it has.
QFont dialogFont();

// A fixed text of the core (Latin-1 bytes) as screen text.
QString latin1Text(std::string_view bytes);

// Keeps a text field to the characters the model can hold (Latin-1): whatever else is typed or
// pasted is dropped at once, so what is shown is exactly what is stored.
void keepLatin1(QLineEdit& field);
void keepLatin1(QPlainTextEdit& field);

// A read-only line that shows one formula in the formula face.
QLineEdit* createFormulaLine(const QString& objectName, QWidget* parent);

} // namespace osmira::workbench
