#pragma once

#include <QFont>
#include <QString>

#include <string>

namespace varquen::app {

// Model bytes (Latin-1, symbol bytes) as screen text: each symbol byte shown as its sign.
QString displayFromModel(const std::string& bytes);

// Screen text back to model bytes: signs become their bytes, other characters their Latin-1 byte.
// Characters beyond Latin-1 cannot reach the model; hasOnlyModelCharacters tells them apart.
std::string modelFromDisplay(const QString& text);
bool hasOnlyModelCharacters(const QString& text);

// Text typed or pasted into the formula editor, with every character the scanner reads as a
// symbol (for example '"' or '$') replaced by its sign, and characters beyond Latin-1 dropped.
QString signsForTyping(const QString& text);

// A font requested by the system's name, falling back to one that has every logic sign.
QFont systemFont(const QString& family, int pixelSize);

} // namespace varquen::app
