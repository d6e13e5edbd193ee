// The reference every program's start-up is measured against: what any Qt Widgets program
// pays before its own work, a main window with a menu bar and a text field.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTextEdit>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Archivo"))->addAction(QStringLiteral("&Salir"));
    window.setCentralWidget(new QTextEdit(&window));
    window.resize(640, 480);
    window.show();
    return QApplication::exec();
}
