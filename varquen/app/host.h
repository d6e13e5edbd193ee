#pragma once

#include <QString>

namespace varquen::app {

struct SaveChoice {
    QString path;
    QString filterPattern;
};

// Everything the window does that would block on the user or leave the window: dialogs,
// message boxes, help and quitting. Tests replace it.
class Host {
  public:
    virtual ~Host() = default;
    // The chosen path, or an empty string when cancelled. Filters are in the window's own
    // "Name|*.ext|Name|*.ext" form.
    virtual QString openFileName(const QString& filter) = 0;
    // The chosen path and the pattern of the filter chosen with it ("*.txt"); an empty path when
    // cancelled. The dialog itself neither adds an extension nor asks about existing files.
    virtual SaveChoice saveFileName(const QString& filter, const QString& preset) = 0;
    // Whether an existing file may be replaced.
    virtual bool confirmReplace(const QString& path) = 0;
    virtual void showMessage(const QString& text, const QString& caption) = 0;
    virtual void showHelp(const QString& helpFile, const QString& topic) = 0;
    virtual void quit() = 0;
};

} // namespace varquen::app
