#pragma once

#include "zudaviror/keypad_keys.h"

#include <QIcon>
#include <QPixmap>
#include <QString>

#include <optional>

// The program's artwork, drawn by the program: key badges, label pictures, the cover and the icon.
namespace zudaviror::app {

// The four pictures of a key: name + "U", "D", "F" and "X". The up picture is drawn at once; the
// other three, derived from it, the first time they are asked for, which keeps them out of the
// program's start. Keys that are never disabled have no "X" picture (a null pixmap).
class KeyPictures {
  public:
    KeyPictures(QPixmap up, bool canBeDisabled);

    const QPixmap& up() const { return up_; }
    const QPixmap& down() const;
    const QPixmap& focused() const;
    const QPixmap& disabled() const;

  private:
    QPixmap up_;
    bool canBeDisabled_;
    mutable std::optional<QPixmap> down_;
    mutable std::optional<QPixmap> focused_;
    mutable std::optional<QPixmap> disabled_;
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
