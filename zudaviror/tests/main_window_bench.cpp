// TRADUCIR on the real window, offscreen, with the steps shown: the largest formula within
// every limit (255 codes, 11 leaves, 19 nested modal operators), typed as a student would,
// translated until the result and steps boxes have painted.
#include "fake_host.h"
#include "fakes.h"
#include "largest_formula.h"
#include "main_window.h"

#include "zudaviror/keypad_keys.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include "suite_testing/benchmark_application.h"

#include <string>

namespace {

using namespace zudaviror;

using zudaviror::testing::largestFormulaWithinTheLimits;

QString boxText(const QWidget& window, int id) {
    const auto* box = window.findChild<QPlainTextEdit*>(QString::number(id));
    return box != nullptr ? box->toPlainText() : QString();
}

void BM_TraducirWithStepsAtTheLimits(benchmark::State& state) {
    suite::testing::benchmarkApplication();
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
