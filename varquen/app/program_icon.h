#pragma once

#include <QIcon>

namespace varquen::app {

// The program's icon, the one its menu entry shows: a quantifier over two universes. Drawn at
// whatever size is asked for, so that the title bar and the task bar get sharp pictures.
QIcon programIcon();

} // namespace varquen::app
