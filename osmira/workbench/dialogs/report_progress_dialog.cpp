#include "report_progress_dialog.h"

#include <QPushButton>

namespace osmira::workbench {

namespace {

constexpr int kQuietMilliseconds = 500;

} // namespace

ReportProgressDialog::ReportProgressDialog(QWidget* parent)
    : QProgressDialog(QStringLiteral("Generando el informe…"), QStringLiteral("Cancelar"), 0, 0, parent) {
    setObjectName(QStringLiteral("ProgresoInforme"));
    setWindowTitle(QStringLiteral("Osmira"));
    setWindowModality(Qt::ApplicationModal);
    setAutoReset(false);
    setAutoClose(false);
    setMinimumDuration(kQuietMilliseconds);
    // In place of QProgressDialog's own answer, which hides the dialog at once.
    disconnect(this, &QProgressDialog::canceled, this, nullptr);
    connect(this, &QProgressDialog::canceled, this, [this] {
        cancelled_ = true;
        setLabelText(QStringLiteral("Cancelando el informe…"));
        if (auto* button = findChild<QPushButton*>()) {
            button->setEnabled(false);
        }
    });
}

void ReportProgressDialog::reject() {
    emit canceled();
}

} // namespace osmira::workbench
