#include "main_window.h"
#include "qt_host.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Qt's own dialogs and questions speak Spanish, like the window, where Qt's translations are installed.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }
    varquen::app::QtHost host;
    varquen::app::TForm1 window(host);
    window.show();
    return QApplication::exec();
}
