#pragma once

#include <QIcon>
#include <QPixmap>

namespace osmira::workbench {

// The navigator's four tree images, in the order of its image list.
enum class NavigatorImage { ExerciseClosed = 0, ExerciseOpen = 1, Step = 2, Rule = 3 };

// A 16 × 16 picture drawn by the program, so the panel needs no resource files.
QPixmap navigatorPixmap(NavigatorImage image);

// The root's icon: the closed book, and the open one while the root is selected.
QIcon exerciseIcon();
QIcon stepIcon();
QIcon ruleIcon();

} // namespace osmira::workbench
