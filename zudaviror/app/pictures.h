#pragma once

#include "zudaviror/keypad_keys.h"

#include <QIcon>
#include <QPixmap>
#include <QString>

#include <optional>
#include <string_view>

// The pictures the program shows: those of the window come from the archive the build drew
// (window_artwork); the icon and a key's down and focused looks are drawn when first asked for.
namespace zudaviror::app {

// The four pictures of a key: up, down, focused and disabled. Keys that are never disabled have
// no disabled picture (a null pixmap).
class KeyPictures {
  public:
    KeyPictures(QPixmap up, QPixmap disabled);

    const QPixmap& up() const { return up_; }
    const QPixmap& down() const;
    const QPixmap& focused() const;
    const QPixmap& disabled() const { return disabled_; }

  private:
    QPixmap up_;
    QPixmap disabled_;
    mutable std::optional<QPixmap> down_;
    mutable std::optional<QPixmap> focused_;
};

KeyPictures symbolKeyPictures(const SymbolKey& key);

// The pictures of a command key of the window (TRADUCIR, SALIR, ...).
KeyPictures commandKeyPictures(std::string_view word);

// A label's picture, by its words.
QPixmap labelPicture(const char* words);

// PORTADA: the 640 x 480 title page.
QPixmap coverPicture();

// Icon 128.
QIcon programIcon();

} // namespace zudaviror::app
