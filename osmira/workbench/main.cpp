// osmira: the workbench for Peirce's Alpha existential graphs.
#include "osmira_app.h"

#include "icons.h"
#include "main_frame.h"
#include "qt_host.h"

#include "osmira/archive/exam_lock.h"

#include "suite/qt_spanish.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
    suite::useSpanishFormats();
    QApplication application(argc, argv);
    suite::installQtSpanish(application);
    // The window belongs to its menu entry (its icon in the dock under Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.logicsuite.osmira"));
    // The settings' names, which osmira-cli reads the exam lock by too.
    QCoreApplication::setOrganizationName(QString::fromUtf8(osmira::kSettingsOrganization));
    QCoreApplication::setApplicationName(QString::fromUtf8(osmira::kSettingsApplication));
    // Qt's own dialogs and message boxes carry the program's icon too.
    QApplication::setWindowIcon(osmira::workbench::programIcon());
    osmira::workbench::QtHost host;
    osmira::workbench::COsmiraApp app(host);
    app.mainFrame().show();
    // A file named on the command line (the file manager's "open with") opens as Abrir does,
    // once the window is up so that a refusal has a window to stand on.
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1) {
        const QString path = arguments.at(1);
        QTimer::singleShot(0, &app, [&app, path] { app.openFile(path); });
    }
    return QApplication::exec();
}
