#include "host_adapters.h"

#include "display.h"

#include <QFile>
#include <QFileInfo>

namespace zudaviror::app {

void HostNotifier::showMessage(std::string_view text) {
    host_.showMessage(latin1Text(text));
}

std::optional<std::string> DialogLogFileChooser::chooseLogFile() {
    for (;;) {
        const QString chosen = host_.saveFileName(kLogFileFilter);
        if (chosen.isEmpty()) {
            return std::nullopt;
        }
        const QFileInfo file(chosen);
        // Only an ordinary file is added to; a pipe or a device is refused, with its reason, as
        // the session starts.
        if (file.isFile() && !host_.confirm(appendToExistingFileQuestion(file.fileName()))) {
            continue;
        }
        // The path in the file system's own encoding, so names with accents still open.
        return QFile::encodeName(file.absoluteFilePath()).toStdString();
    }
}

QString appendToExistingFileQuestion(const QString& name) {
    return QStringLiteral("El fichero «%1» ya existe.\nLa sesión se añadirá al final, "
                          "sin borrar lo que contiene.\n¿Desea continuar?")
        .arg(name);
}

} // namespace zudaviror::app
