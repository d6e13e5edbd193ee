#pragma once

#include "varquen/notifier.h"

#include <string>
#include <vector>

// Keeps every message box the engine shows, in order.
struct RecordingNotifier : varquen::Notifier {
    struct Box {
        std::string text;
        std::string caption;
        bool operator==(const Box&) const = default;
    };
    std::vector<Box> boxes;
    void showMessage(const std::string& text, const std::string& caption) override {
        boxes.push_back({text, caption});
    }
};
