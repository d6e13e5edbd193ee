// The translate command on the real window, offscreen, at the 4095-character limit: from
// "&Hacer" until the translation pane has painted.
#include "main_window.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

#include <benchmark/benchmark.h>

#include "suite_testing/benchmark_application.h"

#include <string>

namespace {

using varquen::app::SaveChoice;

// Nothing to answer: a translation that succeeds opens no dialog and no box.
struct SilentHost : varquen::app::Host {
    QString openFileName(const QString&) override { return {}; }
    SaveChoice saveFileName(const QString&, const QString&) override { return {}; }
    bool confirmReplace(const QString&) override { return false; }
    void showMessage(const QString&, const QString&) override { boxes = true; }
    void showHelp(const QString&, const QString&) override {}
    void quit() override {}
    bool boxes = false;
};

// Exactly 4095 characters: 148 nested quantifiers and conjunctions, then 320 negations.
std::string formulaAtTheLimit() {
    std::string formula;
    for (int i = 0; i < 148; ++i) {
        formula += "paratodo x and p x ";
    }
    for (int i = 0; i < 320; ++i) {
        formula += "not ";
    }
    return formula + "p x";
}

void declare(varquen::app::TForm1& window, const char* field, const char* line) {
    auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(field));
    edit->setText(QString::fromLatin1(line));
    QTest::keyClick(edit, Qt::Key_Return);
}

void BM_TranslateAtTheLimit(benchmark::State& state) {
    suite::testing::benchmarkApplication();
    SilentHost host;
    varquen::app::TForm1 window(host);
    window.show();
    declare(window, "Edit1", "A");
    declare(window, "Edit2", "x:1");
    declare(window, "Edit4", "p:1");
    const std::string formula = formulaAtTheLimit();
    window.setFormula(formula);
    QApplication::processEvents();
    QAction* translate = window.findChild<QAction*>(QStringLiteral("Generar1"));
    auto* pane = window.findChild<QTextEdit*>(QStringLiteral("RichEdit2"));
    for (auto _ : state) {
        translate->trigger();
        QApplication::processEvents();
    }
    if (host.boxes || pane->toPlainText().isEmpty()) {
        state.SkipWithError("the formula did not translate");
    }
    state.counters["characters"] = static_cast<double>(formula.size());
}
BENCHMARK(BM_TranslateAtTheLimit)->Unit(benchmark::kMillisecond);

} // namespace
