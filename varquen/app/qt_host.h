#pragma once

#include "host.h"

#include <QPointer>

class QMessageBox;
class QWidget;

namespace varquen::app {

class HelpWindow;

// The host of the running program: Qt's file dialogs, message boxes and the help window.
class QtHost : public Host {
  public:
    QString openFileName(const QString& filter) override;
    SaveChoice saveFileName(const QString& filter, const QString& preset) override;
    bool confirmReplace(const QString& path) override;
    void showMessage(const QString& text, const QString& caption) override;
    void showHelp(const QString& helpFile, const QString& topic) override;
    void quit() override;

  private:
    QPointer<HelpWindow> help_;
};

// "Name|*.txt|Other|*.*" as a Qt file-dialog filter.
QString qtFileFilter(const QString& filter);
// The window's pattern of an entry of qtFileFilter: "Name (*)" gives "*.*".
QString filterPattern(const QString& qtEntry);

// A message box whose first line repeats the caption in bold, wide enough for the caption in a
// title bar: window managers cut long captions.
void prepareMessageBox(QMessageBox& box, const QString& text, const QString& caption);

} // namespace varquen::app
