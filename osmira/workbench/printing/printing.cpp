#include "printing.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace osmira::workbench {

PrintingLoad loadPrintingFrom(const QString& folder) {
    // Never unloaded (QLibrary's destructor leaves it): the printer and its dialogs are the
    // module's. Loading it again only finds it loaded.
    QLibrary library(QDir(folder).filePath(QStringLiteral("osmira-printing")));
    using Entry = Printing* (*)();
    const auto entry = reinterpret_cast<Entry>(library.resolve("osmiraPrinting"));
    if (entry == nullptr) {
        return {nullptr, library.errorString()};
    }
    return {entry(), QString()};
}

PrintingLoad loadPrinting() {
    return loadPrintingFrom(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(OSMIRA_PRINTING_FROM_BIN)));
}

} // namespace osmira::workbench
