#pragma once

// Helpers the workbench's widget tests share.

#include <QStringList>
#include <QWidget>

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

} // namespace osmira::workbench::test
