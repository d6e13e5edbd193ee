#include "suite_testing/benchmark_application.h"

#include <QApplication>

namespace suite::testing {

QApplication& benchmarkApplication() {
    static int argc = 1;
    static char name[] = "widget-bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static auto* instance = new QApplication(argc, argv);
    return *instance;
}

} // namespace suite::testing
