// Renders the windows offscreen into PNG files in the folder given as the only argument: the
// cover, the main window empty, with !(p+!q) translated and its steps, with the keys of
// state 2 disabled, with a log session open, the countermodels of "¿Es válida?" for □p → □□p in T
// and ◇p → □◇p in S4, one of six worlds for □◇p → ◇□p in K, and the three information windows.
#include "countermodel_window.h"
#include "cover.h"
#include "information_window.h"
#include "main_window.h"
#include "tableau_window.h"
#include "validity_panel.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <utility>

namespace {

using zudaviror::app::InformationWindow;

// A host that opens no dialogs: it answers the log file it is given, once, and nothing else.
class QuietHost : public zudaviror::app::Host {
  public:
    QString saveFileName(const QString&) override { return std::exchange(logFile, QString()); }
    bool confirm(const QString&) override { return false; }
    QString logFile;
    void showMessage(const QString&) override {}
    void showInformation(InformationWindow) override {}
    void endProgram(int) override {}
};

bool save(QWidget& widget, const QDir& folder, const char* name) {
    widget.show();
    QApplication::processEvents();
    const QString path = folder.filePath(QString::fromLatin1(name));
    const bool saved = widget.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

void press(zudaviror::app::DADUREDUREvu& window, std::initializer_list<const char*> keys) {
    for (const char* key : keys) {
        window.pressKey(QString::fromLatin1(key));
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    zudaviror::app::DlgPrueba cover;
    bool ok = save(cover, folder, "zudaviror-cover.png");

    QuietHost host;
    zudaviror::SystemClock clock;
    zudaviror::app::DADUREDUREvu window(host, clock);
    ok = save(window, folder, "zudaviror-empty.png") && ok;

    press(window, {"NECESIDAD", "ABIERTO", "p", "CONJUNCION", "NECESIDAD", "q", "CERRADO"});
    window.toggleStepDisplay();
    window.translateCommand();
    ok = save(window, folder, "zudaviror-translated.png") && ok;

    window.clearFormula();
    press(window, {"NECESIDAD", "p", "CONDICIONAL", "POSIBILIDAD", "q"});
    ok = save(window, folder, "zudaviror-state-2.png") && ok;

    const QTemporaryDir logFolder;
    host.logFile = logFolder.filePath(QStringLiteral("registro de la clase de lógica modal.txt"));
    window.toggleLogSession();
    ok = save(window, folder, "zudaviror-session.png") && ok;
    window.toggleLogSession();

    window.clearFormula();
    press(window, {"NECESIDAD", "p", "CONDICIONAL", "NECESIDAD", "NECESIDAD", "p"});
    auto* validity = window.findChild<zudaviror::app::ValidityPanel*>();
    validity->findChild<QComboBox*>(QStringLiteral("SISTEMA"))->setCurrentIndex(2);
    validity->askValidityCommand();
    ok = save(window, folder, "zudaviror-not-valid.png") && ok;
    ok = save(*validity->countermodelWindow(), folder, "zudaviror-countermodel.png") && ok;

    window.clearFormula();
    press(window, {"POSIBILIDAD", "p", "CONDICIONAL", "NECESIDAD", "POSIBILIDAD", "p"});
    validity->findChild<QComboBox*>(QStringLiteral("SISTEMA"))->setCurrentIndex(4);
    validity->askValidityCommand();
    ok = save(*validity->countermodelWindow(), folder, "zudaviror-countermodel-2.png") && ok;
    validity->showTableauCommand();
    ok = save(*validity->tableauWindow(), folder, "zudaviror-tableau-open.png") && ok;

    window.clearFormula();
    press(window, {"NECESIDAD", "ABIERTO", "p", "CONDICIONAL", "q", "CERRADO", "CONDICIONAL", "ABIERTO",
                   "NECESIDAD", "p", "CONDICIONAL", "NECESIDAD", "q", "CERRADO"});
    validity->askValidityCommand();
    validity->showTableauCommand();
    ok = save(*validity->tableauWindow(), folder, "zudaviror-tableau.png") && ok;

    // Pairs that see each other, loops and a world that sees all the others, on a ring of six.
    const zudaviror::KripkeModel sixWorlds{6,
                                           {{0, 1},
                                            {0, 2},
                                            {0, 3},
                                            {0, 4},
                                            {0, 5},
                                            {1, 0},
                                            {1, 2},
                                            {2, 1},
                                            {2, 3},
                                            {3, 3},
                                            {3, 4},
                                            {4, 3},
                                            {4, 5},
                                            {5, 0},
                                            {5, 5}},
                                           {"p", "q", "q", "p", "qr", ""},
                                           0};
    zudaviror::app::CountermodelWindow six(nullptr);
    six.showCountermodel("!\"p-\"!p", sixWorlds);
    ok = save(six, folder, "zudaviror-countermodel-6.png") && ok;

    const std::pair<InformationWindow, const char*> information[] = {
        {InformationWindow::Modal, "zudaviror-modal.png"},
        {InformationWindow::Multivariada, "zudaviror-multivariada.png"},
        {InformationWindow::Reglas, "zudaviror-reglas.png"},
    };
    for (const auto& [which, name] : information) {
        zudaviror::app::InformationDialog dialog(which);
        ok = save(dialog, folder, name) && ok;
    }
    return ok ? 0 : 1;
}
