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
        if (file.exists() && !host_.confirm(appendToExistingFileQuestion(file.fileName()))) {
            continue;
        }
        // The path in the file system's own encoding, so names with accents still open.
        return QFile::encodeName(file.absoluteFilePath()).toStdString();
    }
}

QString appendToExistingFileQuestion(const QString& name) {
    return QStringLiteral(
               "El fichero \u00AB%1\u00BB ya existe.\nLa sesi\u00F3n se a\u00F1adir\u00E1 al final, "
               "sin borrar lo que contiene.\n\u00BFDesea continuar?")
        .arg(name);
}

} // namespace zudaviror::app
