// Renders the window offscreen: empty, with the worked example translated in signs and in
// TeX, after a failed translation, the answer box of "¿Es válida?" and the help window. Writes PNG files into
// the folder given as the only argument.
#include "help_window.h"
#include "main_window.h"
#include "qt_host.h"

#include "varquen/countermodel_text.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include <cstdio>

namespace {

// A host that answers nothing: the screenshots never open dialogs.
class QuietHost : public varquen::app::Host {
  public:
    QString openFileName(const QString&) override { return {}; }
    varquen::app::SaveChoice saveFileName(const QString&, const QString&) override { return {}; }
    bool confirmReplace(const QString&) override { return false; }
    void showMessage(const QString&, const QString&) override {}
    void showHelp(const QString&, const QString&) override {}
    void quit() override {}
};

void type(varquen::app::TForm1& window, const char* field, const QString& text) {
    auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(field));
    edit->setText(text);
    QTest::keyClick(edit, Qt::Key_Return);
}

bool save(QWidget& widget, const QDir& folder, const char* name) {
    const QString path = folder.filePath(QString::fromLatin1(name));
    const bool saved = widget.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    QuietHost host;
    varquen::app::TForm1 window(host);
    window.show();
    bool ok = save(window, folder, "varquen-empty.png");

    type(window, "Edit1", QStringLiteral("A"));
    type(window, "Edit1", QStringLiteral("B"));
    type(window, "Edit2", QStringLiteral("x:1"));
    type(window, "Edit2", QStringLiteral("y:2"));
    type(window, "Edit3", QStringLiteral("f:1,2"));
    type(window, "Edit4", QStringLiteral("R:2"));
    window.setFormula(" \x22 x R x f y");
    window.Generar1Click();
    ok = save(window, folder, "varquen-translated.png") && ok;
    window.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(true);
    window.Generar1Click();
    ok = save(window, folder, "varquen-translated-tex.png") && ok;
    window.setFormula("R x y R y x");
    window.Generar1Click();
    ok = save(window, folder, "varquen-earlier-translation.png") && ok;

    // The shortest answer makes the narrowest box: its caption must still fit a title bar.
    varquen::ValidityAnswer valid;
    valid.verdict.validity = suite::Validity::Valid;
    QMessageBox answer;
    varquen::app::prepareMessageBox(answer, QString::fromLatin1(varquen::answerText(valid)),
                                    QStringLiteral("¿Es válida?"));
    answer.show();
    ok = save(answer, folder, "varquen-answer.png") && ok;

    varquen::app::HelpWindow help;
    help.showTopic(QStringLiteral("Varquen.hlp"), QStringLiteral("indice"));
    help.show();
    ok = save(help, folder, "varquen-help.png") && ok;
    return ok ? 0 : 1;
}
