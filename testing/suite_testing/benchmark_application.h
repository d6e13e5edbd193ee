#pragma once

class QApplication;

namespace suite::testing {

// The offscreen application of a benchmark on real widgets, made on first use. It is never
// destroyed: at exit Qt Gui's own statics may already be gone.
QApplication& benchmarkApplication();

} // namespace suite::testing
