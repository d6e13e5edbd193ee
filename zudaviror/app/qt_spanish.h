#pragma once

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zudaviror::app {

// Qt's own dialogs, standard buttons and context menus speak Spanish like the program, whatever
// the machine's locale; call it before any window is made. False when Qt's Spanish texts are not
// installed (Debian's qt6-translations-l10n): the program then runs with Qt's English ones.
inline bool installQtSpanish(QCoreApplication& application) {
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    auto* qtTexts = new QTranslator(&application);
    if (!qtTexts->load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qtTexts;
        return false;
    }
    return QCoreApplication::installTranslator(qtTexts);
}

} // namespace zudaviror::app
