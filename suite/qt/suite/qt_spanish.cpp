#include "suite/qt_spanish.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace suite {

void useSpanishFormats() {
    // Qt takes the system locale from LC_ALL the first time it is asked for, and never again. The
    // variable is put back at once, so that QCoreApplication's setlocale() reads the user's own:
    // es_ES need not be installed as a C library locale.
    const bool hadAll = qEnvironmentVariableIsSet("LC_ALL");
    const QByteArray all = qgetenv("LC_ALL");
    qputenv("LC_ALL", "es_ES.UTF-8");
    QLocale::system();
    if (hadAll) {
        qputenv("LC_ALL", all);
    } else {
        qunsetenv("LC_ALL");
    }
}

bool installQtSpanish(QCoreApplication& application) {
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    auto* qtTexts = new QTranslator(&application);
    const bool qtTextsInstalled =
        qtTexts->load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(qtTexts);
    if (!qtTextsInstalled) {
        delete qtTexts;
    }
    // Installed after Qt's, so asked before them.
    auto* additions = new QTranslator(&application);
    if (!additions->load(QStringLiteral(":/suite/qtbase_es_additions.qm")) ||
        !QCoreApplication::installTranslator(additions)) {
        delete additions;
    }
    return qtTextsInstalled;
}

} // namespace suite
