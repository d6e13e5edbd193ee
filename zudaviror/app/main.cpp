#include "cover.h"
#include "main_window.h"
#include "pictures.h"
#include "qt_host.h"
#include "qt_spanish.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    zudaviror::app::installQtSpanish(application);
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
