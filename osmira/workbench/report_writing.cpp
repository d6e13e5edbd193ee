#include "report_writing.h"

#include "report_files.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <memory>

namespace osmira::workbench {

namespace {

// Shown once the report has taken this long.
constexpr int kQuietMilliseconds = 500;
// How often the dialog takes the count of pictures from the thread.
constexpr int kTickMilliseconds = 100;

// Neither Escape nor the window's close button takes it away: only the end of the report does.
class ReportProgressDialog : public QProgressDialog {
  public:
    explicit ReportProgressDialog(QWidget* parent)
        : QProgressDialog(QStringLiteral("Generando el informe…"), QStringLiteral("Cancelar"), 0, 0, parent) {
        setObjectName(QStringLiteral("ProgresoInforme"));
        setWindowTitle(QStringLiteral("Osmira"));
        setWindowModality(Qt::ApplicationModal);
        setAutoReset(false);
        setAutoClose(false);
        setMinimumDuration(kQuietMilliseconds);
        // "Cancelar" asks the report to stop; the dialog does not hide before it has.
        disconnect(this, &QProgressDialog::canceled, this, nullptr);
        connect(this, &QProgressDialog::canceled, this, [this] {
            cancelled = true;
            setLabelText(QStringLiteral("Cancelando el informe…"));
            if (auto* button = findChild<QPushButton*>()) {
                button->setEnabled(false);
            }
        });
    }
    void reject() override { emit canceled(); }

    std::atomic<bool> cancelled = false;
};

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
            return !dialog.cancelled;
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
