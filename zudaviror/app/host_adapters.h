#pragma once

#include "host.h"

#include "zudaviror/log_file_access.h"
#include "zudaviror/notifier.h"

// The core's notifier and log-file choice, answered through the host.
namespace zudaviror::app {

inline const QString kLogFileFilter = QStringLiteral("Todos los ficheros (*.*)|*.*||");

class HostNotifier : public Notifier {
  public:
    explicit HostNotifier(Host& host) : host_(host) {}
    void showMessage(std::string_view text) override;

  private:
    Host& host_;
};

// The save dialog of the log session. An existing file is confirmed before it is used,
// and is then appended to; saying no to the question brings the dialog back.
class DialogLogFileChooser : public LogFileChooser {
  public:
    explicit DialogLogFileChooser(Host& host) : host_(host) {}
    std::optional<std::string> chooseLogFile() override;

  private:
    Host& host_;
};

// The question asked before a session is added to an existing file.
QString appendToExistingFileQuestion(const QString& path);

} // namespace zudaviror::app
