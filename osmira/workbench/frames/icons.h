#pragma once

#include <QIcon>

namespace osmira::workbench {

// The buttons of the main toolbar and of the rules toolbar.
enum class ToolIcon { New, Open, Save, Print, About, ContextHelp, Pointer, R1, R2, R3, R4, R5 };

// Drawn by the program at whatever size is asked for, so they stay crisp from 16 pixels up;
// a disabled button gets a greyed drawing.
QIcon toolIcon(ToolIcon icon);

// A sheet of assertion with a cut around a letter: the window icon and the about box's picture.
QIcon programIcon();

} // namespace osmira::workbench
