#include "cover.h"
#include "main_window.h"
#include "pictures.h"
#include "qt_host.h"

#include "suite/qt_spanish.h"

#include <QApplication>

int main(int argc, char** argv) {
    suite::useSpanishFormats();
    QApplication application(argc, argv);
    suite::installQtSpanish(application);
    // The window belongs to its menu entry (its icon in the dock under Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.logicsuite.zudaviror"));
    QApplication::setApplicationName(QStringLiteral("ZUDAVIROR"));
    QApplication::setWindowIcon(zudaviror::app::programIcon());
    {
        zudaviror::app::DlgPrueba cover;
        if (cover.exec() != QDialog::Accepted) {
            return 0;
        }
    }
    zudaviror::app::QtHost host;
    zudaviror::SystemClock clock;
    zudaviror::app::DADUREDUREvu window(host, clock);
    window.show();
    return QApplication::exec();
}
