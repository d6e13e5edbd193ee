#pragma once

#include <QDialog>

namespace zudaviror::app {

// DlgPrueba: a borderless window filled by one button showing the cover. The button (Enter
// or a click) accepts; Escape rejects.
class DlgPrueba : public QDialog {
    Q_OBJECT
  public:
    explicit DlgPrueba(QWidget* parent = nullptr);
};

} // namespace zudaviror::app
