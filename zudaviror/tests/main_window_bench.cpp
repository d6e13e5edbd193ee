// TRADUCIR on the real window, offscreen, with the steps shown: the largest formula within
// every limit (255 codes, 11 leaves, 19 nested modal operators), typed as a student would,
// translated until the result and steps boxes have painted. The tableau window showing the
// largest proof of the table of axioms, tree and text, until it has painted.
#include "fake_host.h"
#include "fakes.h"
#include "largest_formula.h"
#include "main_window.h"
#include "modal_axioms.h"
#include "tableau_window.h"

#include "zudaviror/keypad_keys.h"
#include "zudaviror/tableau.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include "suite_testing/benchmark_application.h"

#include <chrono>
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

// The closed tableau with the most nodes among the table's laws in the six systems.
Tableau largestAxiomProof() {
    Tableau largest;
    for (const auto& row : oracle::kAxioms) {
        for (const ModalSystem system : modalSystems()) {
            Tableau tableau =
                buildTableau(row.K, system, std::chrono::steady_clock::now() + std::chrono::seconds(10));
            if (tableau.end == TableauEnd::Closed && tableau.nodes.size() > largest.nodes.size()) {
                largest = std::move(tableau);
            }
        }
    }
    return largest;
}

void BM_TableauWindowShowsTheLargestAxiomProof(benchmark::State& state) {
    suite::testing::benchmarkApplication();
    testing::FakeHost host;
    const Tableau proof = largestAxiomProof();
    app::TableauWindow window(host, nullptr);
    window.resize(800, 600);
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        window.showTableau(proof);
        window.repaint();
        QApplication::processEvents();
    }
    state.counters["nodes"] = static_cast<double>(proof.nodes.size());
}
BENCHMARK(BM_TableauWindowShowsTheLargestAxiomProof)->Unit(benchmark::kMillisecond);

} // namespace
