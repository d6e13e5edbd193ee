// TRADUCIR on the real window, offscreen, with the steps shown: the largest formula within
// every limit (255 codes, 11 leaves, 19 nested modal operators), typed as a student would,
// translated until the result and steps boxes have painted.
#include "fake_host.h"
#include "fakes.h"
#include "main_window.h"

#include "zudaviror/keypad_keys.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace zudaviror;

QApplication& application() {
    static int argc = 1;
    static char name[] = "zudaviror-widget-bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: at exit Qt Gui's own statics may already be gone.
    static auto* instance = new QApplication(argc, argv);
    return *instance;
}

// The engine benchmark's formula: eleven leaves under nineteen alternating modal operators,
// seven of them negated, joined to the full 255 codes.
std::string largestFormulaWithinTheLimits() {
    const std::string letters = "pqrstpqrstp";
    std::string leaves[11];
    for (int i = 0; i < 11; ++i) {
        for (int depth = 0; depth < 19; ++depth) {
            leaves[i] += depth % 2 == 0 ? '!' : '"';
        }
        leaves[i] += letters[i];
    }
    for (int i = 0; i < 7; ++i) {
        leaves[i] = "#" + leaves[i];
    }
    std::string formula = leaves[0];
    for (int i = 1; i < 10; ++i) {
        formula = "(" + formula + "+" + leaves[i] + ")";
    }
    return formula + "-" + leaves[10];
}

QString boxText(const QWidget& window, int id) {
    const auto* box = window.findChild<QPlainTextEdit*>(QString::number(id));
    return box != nullptr ? box->toPlainText() : QString();
}

void BM_TraducirWithStepsAtTheLimits(benchmark::State& state) {
    application();
    testing::FakeHost host;
    testing::FixedClock clock({});
    app::DADUREDUREvu window(host, clock);
    window.show();
    QApplication::processEvents();
    const std::string formula = largestFormulaWithinTheLimits();
    QTest::keyClicks(&window, QString::fromLatin1(formula.data(), static_cast<qsizetype>(formula.size())));
    window.toggleStepDisplay();
    QApplication::processEvents();
    if (boxText(window, BoxId::Formula).isEmpty()) {
        state.SkipWithError("the formula was not typed");
        return;
    }
    for (auto _ : state) {
        QTest::keyClick(&window, Qt::Key_Return);
        QApplication::processEvents();
    }
    if (boxText(window, BoxId::Result).isEmpty() || boxText(window, BoxId::Steps).isEmpty()) {
        state.SkipWithError("TRADUCIR showed no result or no steps");
    }
    state.counters["codes"] = static_cast<double>(formula.size());
}
BENCHMARK(BM_TraducirWithStepsAtTheLimits)->Unit(benchmark::kMillisecond);

} // namespace
