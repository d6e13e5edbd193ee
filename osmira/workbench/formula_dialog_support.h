#pragma once

#include <QFont>
#include <QLineEdit>
#include <QString>

#include <string_view>

namespace osmira::workbench {

// "MS Sans Serif" 8 points, the face of every dialog; Qt substitutes a face it has.
QFont dialogFont();

// A fixed text of the core (Latin-1 bytes) as screen text.
QString latin1Text(std::string_view bytes);

// A read-only line that shows one formula in the formula face.
QLineEdit* createFormulaLine(const QString& objectName, QWidget* parent);

} // namespace osmira::workbench
