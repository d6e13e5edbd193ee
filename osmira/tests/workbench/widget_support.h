#pragma once

// Helpers the workbench's widget tests share.

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

#include <functional>

namespace osmira::workbench::test {

// The controls a student reaches with Tab, in order; Qt's own inner parts are left out.
inline QStringList tabOrder(QWidget& dialog) {
    QStringList names;
    for (QWidget* widget = dialog.nextInFocusChain(); widget != &dialog;
         widget = widget->nextInFocusChain()) {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0 &&
            !widget->objectName().startsWith(QStringLiteral("qt_"))) {
            names << widget->objectName();
        }
    }
    return names;
}

// Fills the new-exercise dialogs as a student would and accepts them.
inline int acceptData(QDialog& dialog) {
    dialog.findChild<QLineEdit*>(QStringLiteral("Titulo"))->setText(QStringLiteral("Ejercicio de prueba"));
    return QDialog::Accepted;
}

inline std::function<int(QDialog&)> acceptFormulas(const QStringList& hypotheses, const QString& conclusion) {
    return [hypotheses, conclusion](QDialog& dialog) {
        auto* entry = dialog.findChild<QLineEdit*>(QStringLiteral("NuevaFormula"));
        for (const QString& hypothesis : hypotheses) {
            entry->setText(hypothesis);
            dialog.findChild<QPushButton*>(QStringLiteral("AnadirHipotesis"))->click();
        }
        if (!conclusion.isEmpty()) {
            entry->setText(conclusion);
            dialog.findChild<QPushButton*>(QStringLiteral("AnadirConclusion"))->click();
        }
        return QDialog::Accepted;
    };
}

// Types the conclusion into "Nuevo teorema" and presses Aceptar, which the dialog may refuse.
inline std::function<int(QDialog&)> acceptTheorem(const QString& conclusion) {
    return [conclusion](QDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("FormulaTeorema"))->setText(conclusion);
        dialog.findChild<QPushButton*>(QStringLiteral("Aceptar"))->click();
        return dialog.result();
    };
}

} // namespace osmira::workbench::test
