#pragma once

#include <string>

namespace varquen {

// Where the engine's message boxes go: one call per box, texts in Latin-1.
class Notifier {
  public:
    virtual ~Notifier() = default;
    virtual void showMessage(const std::string& text, const std::string& caption) = 0;
};

// For a second pass over entries whose messages have been shown once already.
class SilentNotifier : public Notifier {
  public:
    void showMessage(const std::string&, const std::string&) override {}
};

} // namespace varquen
