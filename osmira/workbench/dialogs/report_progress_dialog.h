#pragma once

#include <QProgressDialog>

#include <atomic>

namespace osmira::workbench {

// The report's progress, in pictures written: modal over the whole program, shown once the report
// has taken half a second. "Cancelar" asks the report to stop; neither it nor Escape nor the
// window's close button takes the dialog away before the report has stopped, since nothing may
// change the exercise while the report reads it.
class ReportProgressDialog : public QProgressDialog {
  public:
    explicit ReportProgressDialog(QWidget* parent = nullptr);

    void reject() override;
    // Read by the thread that writes the report.
    bool cancelled() const { return cancelled_; }

  private:
    std::atomic<bool> cancelled_ = false;
};

} // namespace osmira::workbench
