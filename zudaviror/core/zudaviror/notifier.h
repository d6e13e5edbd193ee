#pragma once

#include <string_view>

namespace zudaviror {

// Shows a message to the user and waits for OK (a message box in the window,
// standard error in the command-line tool). Text is Latin-1.
class Notifier {
  public:
    virtual ~Notifier() = default;
    virtual void showMessage(std::string_view text) = 0;
};

} // namespace zudaviror
