#pragma once

#include "zudaviror/clock.h"
#include "zudaviror/log_file_access.h"
#include "zudaviror/notifier.h"

#include <string>
#include <string_view>

// The translation log: while a session is open, every translation is appended to the
// chosen file. The file is only ever appended to. A file found not to be an ordinary one (a pipe,
// a device) or read-only ends the session: nothing could ever be kept there.
namespace zudaviror {

inline constexpr std::string_view kStartSessionCaption = "INICIO S.";
inline constexpr std::string_view kEndSessionCaption = "FIN S.";

enum class LogWrite {
    Nothing, // nothing was due to be written
    Written,
    Failed, // the student has been told why
};

class LogSession {
  public:
    LogSession(Clock& clock, LogFileChooser& chooser, LogFileAppender& appender, Notifier& notifier);

    // The "INICIO S." key: ends an open session without writing, or asks for a file and
    // starts a session on it with a header.
    LogWrite toggleLogSession();

    // Appends the record of one translation when a session is open.
    LogWrite appendTranslationRecord(std::string_view formula, std::string_view result,
                                     std::string_view stepText, bool withSteps);

    // Appends the record of one "¿Es válida?" question when a session is open (validityRecord).
    LogWrite appendValidityRecord(std::string_view formula, std::string_view system, std::string_view answer,
                                  std::string_view countermodel);

    bool isOpen() const { return open_; }
    const std::string& logPath() const { return logPath_; }
    std::string_view caption() const { return open_ ? kEndSessionCaption : kStartSessionCaption; }

  private:
    LogWrite writeBlock(std::string_view block);

    Clock& clock_;
    LogFileChooser& chooser_;
    LogFileAppender& appender_;
    Notifier& notifier_;
    bool open_ = false;
    std::string logPath_;
};

} // namespace zudaviror
