#include "suite/question_progress.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>

#include <memory>
#include <stop_token>

namespace suite {

namespace {

constexpr int kQuietMilliseconds = 200;

} // namespace

void askShowingProgress(QWidget* parent, const QString& label,
                        const std::function<void(std::stop_token)>& question) {
    QProgressDialog dialog(label, QStringLiteral("Cancelar"), 0, 0, parent);
    dialog.setObjectName(QStringLiteral("ProgresoValidez"));
    dialog.setWindowTitle(QStringLiteral("¿Es válida?"));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAutoReset(false);
    dialog.setAutoClose(false);
    dialog.setMinimumDuration(kQuietMilliseconds);
    std::stop_source stop;
    // In place of QProgressDialog's own answer, which hides the dialog at once.
    QObject::disconnect(&dialog, &QProgressDialog::canceled, &dialog, nullptr);
    // Escape and the close button hide the dialog; they stop the question too.
    QObject::connect(&dialog, &QDialog::rejected, &dialog, [&] { stop.request_stop(); });
    QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, [&] {
        stop.request_stop();
        dialog.setLabelText(QStringLiteral("Cancelando la pregunta…"));
        if (auto* button = dialog.findChild<QPushButton*>()) {
            button->setEnabled(false);
        }
    });
    const std::unique_ptr<QThread> worker(QThread::create([&] { question(stop.get_token()); }));
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    // A value starts the dialog's wait of kQuietMilliseconds before it shows.
    dialog.setValue(0);
    worker->start();
    loop.exec();
    worker->wait();
}

} // namespace suite
