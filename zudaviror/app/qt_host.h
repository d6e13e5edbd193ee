#pragma once

#include "host.h"

namespace zudaviror::app {

// The host of the running program: Qt's save dialog, message boxes and the information windows.
class QtHost : public Host {
  public:
    QString saveFileName(const QString& filter) override;
    bool confirm(const QString& question) override;
    void showMessage(const QString& text) override;
    void showInformation(InformationWindow which) override;
    void endProgram(int status) override;
};

// "Name|pattern||" as a Qt filter. "*.*" means every file there, so it becomes "*" here,
// where names need no dot; the name is shown as written.
QString qtFileFilter(const QString& filter);

} // namespace zudaviror::app
