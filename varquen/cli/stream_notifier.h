#pragma once

#include "varquen/notifier.h"

#include <ostream>
#include <string>

namespace varquen::cli {

// Each message box becomes one line on the error stream: "caption: text".
class StreamNotifier : public Notifier {
  public:
    explicit StreamNotifier(std::ostream& err) : err_(err) {}
    void showMessage(const std::string& text, const std::string& caption) override;

  private:
    std::ostream& err_;
};

} // namespace varquen::cli
