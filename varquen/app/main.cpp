#include "main_window.h"
#include "program_icon.h"
#include "qt_host.h"

#include "suite/qt_spanish.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
    suite::useSpanishFormats();
    QApplication application(argc, argv);
    suite::installQtSpanish(application);
    // The window belongs to its menu entry (its icon in the dock under Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.logicsuite.varquen"));
    // Every window, the help and Qt's dialogs included, shows the program's icon.
    QApplication::setWindowIcon(varquen::app::programIcon());
    varquen::app::QtHost host;
    varquen::app::TForm1 window(host);
    window.show();
    // A file named on the command line (the file manager's "open with") opens as Recuperar does,
    // once the window is up so that a refusal has a window to stand on.
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1) {
        const QString path = arguments.at(1);
        QTimer::singleShot(0, &window, [&window, path] { window.openFile(path); });
    }
    return QApplication::exec();
}
