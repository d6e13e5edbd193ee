#pragma once

#include "zudaviror/keypad_keys.h"

#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's artwork, drawn at start-up: key badges, label pictures, the cover and the icon.
namespace zudaviror::app {

// The four pictures of a key: name + "U", "D", "F" and "X". Keys that are never disabled
// have no "X" picture (a null pixmap).
struct KeyPictures {
    QPixmap up;
    QPixmap down;
    QPixmap focused;
    QPixmap disabled;
};

inline constexpr int kSymbolKeySize = 40;

// A 40 x 40 badge coloured by the key's group, with the sign the key appends.
KeyPictures symbolKeyPictures(const SymbolKey& key);

// A badge with the key's word (TRADUCIR, SALIR, ...).
KeyPictures commandKeyPictures(const QString& word, bool canBeDisabled);

// The words of a label picture (Átomos, FÓRMULA MODAL ≡ K, ...).
QPixmap labelPicture(const QString& words);

// PORTADA: the 640 x 480 title page.
QPixmap coverPicture();

// Icon 128.
QIcon programIcon();

} // namespace zudaviror::app
