#pragma once

// Recorders and stand-ins for what the core needs from the outside world.

#include "zudaviror/clock.h"
#include "zudaviror/log_file_access.h"
#include "zudaviror/log_session.h"
#include "zudaviror/notifier.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zudaviror::testing {

class FixedClock : public Clock {
  public:
    explicit FixedClock(LocalTime time) : time(time) {}
    LocalTime now() override { return time; }
    LocalTime time;
};

class ScriptedChooser : public LogFileChooser {
  public:
    std::optional<std::string> chooseLogFile() override {
        ++asked;
        return choice;
    }
    std::optional<std::string> choice; // nothing: the student cancels
    int asked = 0;
};

class RecordingAppender : public LogFileAppender {
  public:
    AppendResult append(const std::string& path, std::string_view bytes) override {
        if (outcome == AppendResult::Written) {
            files[path] += bytes;
        }
        return outcome;
    }
    AppendResult outcome = AppendResult::Written;
    std::map<std::string, std::string> files;
};

class RecordingNotifier : public Notifier {
  public:
    void showMessage(std::string_view text) override { messages.emplace_back(text); }
    std::vector<std::string> messages;
};

// A log session wired to the recorders above, at a fixed moment.
struct LogHarness {
    explicit LogHarness(LocalTime time) : clock(time) {}
    FixedClock clock;
    ScriptedChooser chooser;
    RecordingAppender appender;
    RecordingNotifier notifier;
    LogSession log{clock, chooser, appender, notifier};
};

} // namespace zudaviror::testing
