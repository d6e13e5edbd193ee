#pragma once

class QCoreApplication;

namespace suite {

// Qt's own dialogs, standard buttons and context menus speak Spanish like the programs, whatever
// the machine's locale; call it before any window is made. False when Qt's Spanish texts are not
// installed (Debian's qt6-translations-l10n): the program then runs with Qt's English ones.
bool installQtSpanish(QCoreApplication& application);

} // namespace suite
