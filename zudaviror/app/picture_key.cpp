#include "picture_key.h"

#include <QPainter>

namespace zudaviror::app {

PictureKey::PictureKey(const QString& keyName, int id, KeyPictures pictures, QWidget* parent)
    : QAbstractButton(parent), keyName_(keyName), pictures_(std::move(pictures)) {
    setObjectName(QString::number(id));
    setAccessibleName(keyName);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    resize(sizeHint());
}

PictureKey::Shown PictureKey::shown() const {
    // Keys that are never disabled have no disabled picture and keep their up picture.
    if (!isEnabled() && !pictures_.disabled().isNull()) {
        return Shown::Disabled;
    }
    if (isDown()) {
        return Shown::Down;
    }
    return hasFocus() ? Shown::Focused : Shown::Up;
}

QSize PictureKey::sizeHint() const {
    return pictures_.up().size();
}

void PictureKey::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    switch (shown()) {
    case Shown::Up:
        painter.drawPixmap(0, 0, pictures_.up());
        break;
    case Shown::Down:
        painter.drawPixmap(0, 0, pictures_.down());
        break;
    case Shown::Focused:
        painter.drawPixmap(0, 0, pictures_.focused());
        break;
    case Shown::Disabled:
        painter.drawPixmap(0, 0, pictures_.disabled());
        break;
    }
}

} // namespace zudaviror::app
