#pragma once

#include <QFont>
#include <QPalette>
#include <QPoint>
#include <QString>

#include <string_view>

// How the window shows the model's bytes and which typefaces it asks for.
namespace zudaviror::app {

// Formula codes as the signs on the keys (the "Zudaviror" face draws them so).
QString signText(std::string_view codes);

// Latin-1 text (messages, captions) as Qt text.
QString latin1Text(std::string_view text);

// "Zudaviror" at a pixel height, falling back to a face that has every sign.
QFont zudavirorFont(int height);

// A face the design names, by point size or pixel height, with DejaVu behind it.
QFont namedFont(const QString& family, int pointSize);
QFont namedSerifFontByHeight(const QString& family, int pixelHeight);

// A place measured from the top-left corner of the screen's free area, so that no panel
// of the desktop covers a window placed "at the corner".
QPoint fromScreenCorner(int x, int y);

// Windows, boxes and labels are painted white.
QPalette whitePalette(QPalette palette);

} // namespace zudaviror::app
