#pragma once

#include "pictures.h"

#include <QAbstractButton>

namespace zudaviror::app {

// A key of the keypad: a push button that is its pictures, up, down, focused or disabled.
class PictureKey : public QAbstractButton {
    Q_OBJECT
  public:
    enum class Shown { Up, Down, Focused, Disabled };

    PictureKey(const QString& keyName, int id, KeyPictures pictures, QWidget* parent = nullptr);

    const QString& keyName() const { return keyName_; }
    // Which of the four pictures the key shows now.
    Shown shown() const;
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString keyName_;
    KeyPictures pictures_;
};

} // namespace zudaviror::app
