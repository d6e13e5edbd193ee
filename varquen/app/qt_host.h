#pragma once

#include "host.h"

#include <QPointer>

class QWidget;

namespace varquen::app {

class HelpWindow;

// The host of the running program: Qt's file dialogs, message boxes and the help window.
class QtHost : public Host {
  public:
    QString openFileName(const QString& filter) override;
    QString saveFileName(const QString& filter, const QString& preset) override;
    void showMessage(const QString& text, const QString& caption) override;
    void showHelp(const QString& helpFile, const QString& topic) override;
    void quit() override;

  private:
    QPointer<HelpWindow> help_;
};

// "Name|*.txt|Other|*.*" as a Qt file-dialog filter.
QString qtFileFilter(const QString& filter);

} // namespace varquen::app
