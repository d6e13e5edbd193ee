#include "report_writing.h"

#include "report_files.h"
#include "report_progress_dialog.h"

#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <memory>

namespace osmira::workbench {

namespace {

// How often the dialog takes the count of pictures from the thread.
constexpr int kTickMilliseconds = 100;

} // namespace

std::optional<std::string> writeReportShowingProgress(QWidget* parent, const CEjercicio& exercise,
                                                      const ReportOptions& options, const std::string& path) {
    ReportProgressDialog dialog(parent);
    std::atomic<int> done = 0;
    std::atomic<int> total = 0;
    std::optional<std::string> answer;
    const std::unique_ptr<QThread> worker(QThread::create([&] {
        answer = render::writeReport(exercise, options, path, [&](int picturesDone, int pictures) {
            total = pictures;
            done = picturesDone;
            return !dialog.cancelled();
        });
    }));
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, &dialog, [&] {
        dialog.setMaximum(total);
        // A value at the minimum would start the wait before showing again.
        if (done > 0 && done != dialog.value()) {
            dialog.setValue(done);
        }
    });
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    ticks.start(kTickMilliseconds);
    worker->start();
    loop.exec();
    worker->wait();
    return answer;
}

} // namespace osmira::workbench
