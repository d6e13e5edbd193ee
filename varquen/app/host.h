#pragma once

#include <QString>

namespace varquen::app {

// Everything the window does that would block on the user or leave the window: dialogs,
// message boxes, help and quitting. Tests replace it.
class Host {
  public:
    virtual ~Host() = default;
    // The chosen path, or an empty string when cancelled. Filters are in the window's own
    // "Name|*.ext|Name|*.ext" form.
    virtual QString openFileName(const QString& filter) = 0;
    virtual QString saveFileName(const QString& filter, const QString& preset) = 0;
    virtual void showMessage(const QString& text, const QString& caption) = 0;
    virtual void showHelp(const QString& helpFile, const QString& topic) = 0;
    virtual void quit() = 0;
};

} // namespace varquen::app
