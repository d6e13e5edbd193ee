#include "formula_dialog_support.h"

#include "formula_entry_field.h"

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

} // namespace osmira::workbench
