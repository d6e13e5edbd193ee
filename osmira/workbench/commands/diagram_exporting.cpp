#include "diagram_exporting.h"

#include "dlg_exportar_diagrama.h"

#include "osmira/export/diagram_export.h"

#include "suite/file_saving.h"
#include "suite/system_reason.h"

#include <QFile>
#include <QStringList>

#include <algorithm>

namespace osmira::workbench {

void exportDiagram(Host& host, QWidget* parent, const CEjercicio& exercise, const COsmiraDoc& step) {
    DlgExportarDiagrama drawing(parent);
    if (host.runDialog(drawing) != QDialog::Accepted) {
        return;
    }
    const std::vector<ExportFormat>& formats = exportFormats();
    QStringList filters;
    for (const ExportFormat& format : formats) {
        filters << QString::fromUtf8(format.filter.data(), static_cast<qsizetype>(format.filter.size()));
    }
    const SaveChoice choice =
        host.saveFileChoice(parent, QStringLiteral("Exportar diagrama"), filters.join(QStringLiteral(";;")));
    if (choice.path.isEmpty()) {
        return;
    }
    const DiagramExport format =
        formats
            .at(static_cast<std::size_t>(std::clamp(choice.filter, 0, static_cast<int>(formats.size()) - 1)))
            .format;
    const suite::FileSave save = suite::replaceFile(QFile::encodeName(choice.path).toStdString(),
                                                    exportedDiagram(exercise, step, format, drawing.style()));
    if (!save.saved()) {
        host.showMessage(parent, QString::fromLatin1(suite::asSentence(save.reason())),
                         QStringLiteral("Osmira"), MessageIcon::Exclamation);
    }
}

} // namespace osmira::workbench
