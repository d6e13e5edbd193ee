#pragma once

#include <QString>

namespace zudaviror::app {

enum class InformationWindow { Modal, Multivariada, Reglas };

// Everything the windows do that would block on the student or end the program: file
// dialogs, questions, message boxes, the information windows and the exit status. Tests
// replace it.
class Host {
  public:
    virtual ~Host() = default;
    // The chosen path, or an empty string when cancelled. The filter is in the window's own
    // "Name|pattern||" form. The dialog itself never asks about an existing file.
    virtual QString saveFileName(const QString& filter) = 0;
    // A yes/no question; true for yes.
    virtual bool confirm(const QString& question) = 0;
    virtual void showMessage(const QString& text) = 0;
    // Opens the window and returns when it is closed.
    virtual void showInformation(InformationWindow which) = 0;
    // Ends the program with this status once the current event has been handled.
    virtual void endProgram(int status) = 0;
};

} // namespace zudaviror::app
