#include "zudaviror/log_session.h"

#include "zudaviror/log_format.h"
#include "zudaviror/messages.h"

namespace zudaviror {

LogSession::LogSession(Clock& clock, LogFileChooser& chooser, LogFileAppender& appender, Notifier& notifier)
    : clock_(clock), chooser_(chooser), appender_(appender), notifier_(notifier) {}

LogWrite LogSession::toggleLogSession() {
    if (open_) {
        open_ = false;
        return LogWrite::Nothing;
    }
    open_ = true;
    const auto chosen = chooser_.chooseLogFile();
    if (!chosen) {
        open_ = false;
        return LogWrite::Nothing;
    }
    logPath_ = *chosen;
    // Opening for appending creates a missing file, so one attempt both checks the
    // chosen file and writes the header. A failed session stays open: each later record
    // tries again and says so when it fails, so nothing is lost unnoticed.
    return writeBlock(sessionHeader(clock_.now()));
}

LogWrite LogSession::appendTranslationRecord(std::string_view formula, std::string_view result,
                                             std::string_view stepText, bool withSteps) {
    if (!open_) {
        return LogWrite::Nothing;
    }
    return writeBlock(translationRecord(clock_.now(), formula, result, stepText, withSteps));
}

LogWrite LogSession::appendValidityRecord(std::string_view formula, std::string_view system,
                                          std::string_view answer, std::string_view countermodel) {
    if (!open_) {
        return LogWrite::Nothing;
    }
    return writeBlock(validityRecord(clock_.now(), formula, system, answer, countermodel));
}

LogWrite LogSession::writeBlock(std::string_view block) {
    const AppendResult result = appender_.append(logPath_, block);
    switch (result) {
    case AppendResult::Written:
        return LogWrite::Written;
    case AppendResult::CannotOpen:
    case AppendResult::CannotWrite:
        notifier_.showMessage(messages::kCannotStore);
        return LogWrite::Failed;
    case AppendResult::CannotClose:
        notifier_.showMessage(messages::kCannotClose);
        return LogWrite::Failed;
    case AppendResult::NotRegularFile:
    case AppendResult::ReadOnly:
        // No later record could be kept there either: the choice itself is refused.
        open_ = false;
        notifier_.showMessage(result == AppendResult::ReadOnly ? messages::kReadOnlyFile
                                                               : messages::kNotRegularFile);
        return LogWrite::Failed;
    }
    return LogWrite::Failed;
}

} // namespace zudaviror
