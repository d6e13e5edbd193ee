#include "suite/qt_spanish.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace suite {

bool installQtSpanish(QCoreApplication& application) {
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    auto* qtTexts = new QTranslator(&application);
    if (!qtTexts->load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qtTexts;
        return false;
    }
    return QCoreApplication::installTranslator(qtTexts);
}

} // namespace suite
