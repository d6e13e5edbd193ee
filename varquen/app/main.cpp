#include "main_window.h"
#include "qt_host.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    varquen::app::QtHost host;
    varquen::app::TForm1 window(host);
    window.show();
    return QApplication::exec();
}
