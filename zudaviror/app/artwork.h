#pragma once

#include "zudaviror/keypad_keys.h"

#include <QImage>
#include <QString>

// The program's artwork as drawn with QPainter. The build draws the window's pictures once, into
// the archive the program ships (see shipped_artwork); the program itself draws only what depends
// on the moment: the icon at the size asked for, and a key's down and focused looks.
namespace zudaviror::app {

// A 40 x 40 badge coloured by the key's group, with the sign the key appends.
QImage drawSymbolKey(const SymbolKey& key);

// A badge with the key's word (TRADUCIR, SALIR, ...).
QImage drawCommandKey(const QString& word);

// The words of a label picture (Átomos, FÓRMULA MODAL ≡ K, ...).
QImage drawLabel(const QString& words);

// PORTADA: the 640 x 480 title page.
QImage drawCover();

// The program's icon, side x side.
QImage drawIcon(int side);

// A key's looks derived from its up picture: pressed, with the focus ring, and disabled (greyed
// and crossed out).
QImage drawDownKey(const QImage& up);
QImage drawFocusedKey(const QImage& up);
QImage drawDisabledKey(const QImage& up);

} // namespace zudaviror::app
