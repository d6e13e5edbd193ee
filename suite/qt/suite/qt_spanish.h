#pragma once

class QCoreApplication;

namespace suite {

// Dates, sizes and numbers in Qt's own dialogs (the file dialog's columns) follow the system's
// locale, which Qt reads from the environment once, while the application is being made. Call
// this first thing in main(), before the application exists, and they are Spanish whatever the
// machine's locale. The C library's locale, and what child processes inherit, stay the user's.
void useSpanishFormats();

// Qt's own dialogs, standard buttons and context menus speak Spanish like the programs, whatever
// the machine's locale; call it before any window is made. Qt's Spanish texts (Debian's
// qt6-translations-l10n) are completed by the suite's own for what they lack (the print dialog's
// double-sided printing, the file dialog's "Folder"). False when Qt's Spanish texts are not
// installed: the program then shows Qt's English ones but for the suite's own.
bool installQtSpanish(QCoreApplication& application);

} // namespace suite
