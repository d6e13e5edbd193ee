#pragma once

#include "host.h"

#include <QDialog>

class QTextEdit;

namespace zudaviror::app {

// DlgModales, DlgMulti and DlgReglas: a title box (1054), a body box (1055) and "VOLVER".
class InformationDialog : public QDialog {
    Q_OBJECT
  public:
    explicit InformationDialog(InformationWindow which, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

QString informationTitle(InformationWindow which);
QString informationBody(InformationWindow which);

} // namespace zudaviror::app
