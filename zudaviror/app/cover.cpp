#include "cover.h"

#include "display.h"
#include "pictures.h"

#include <QPushButton>

namespace zudaviror::app {

DlgPrueba::DlgPrueba(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("DlgPrueba"));
    const QPixmap cover = coverPicture();
    auto* button = new QPushButton(this);
    button->setObjectName(QStringLiteral("1"));
    button->setIcon(cover);
    button->setIconSize(cover.size());
    button->setFlat(true);
    button->setDefault(true);
    button->setStyleSheet(QStringLiteral("QPushButton { border: none; padding: 0; margin: 0; }"));
    button->setGeometry(0, 0, cover.width(), cover.height());
    button->setFocus();
    connect(button, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(cover.size());
    move(fromScreenCorner(0, 0));
}

} // namespace zudaviror::app
