#include "diagram_exporting.h"

#include "dlg_exportar_diagrama.h"

#include "osmira/export/diagram_export.h"

#include "suite/file_saving.h"
#include "suite/system_reason.h"

#include <QFile>

#include <algorithm>
#include <array>

namespace osmira::workbench {

namespace {

// In the order of the dialog's filters.
constexpr std::array<DiagramExport, 3> kFormats{DiagramExport::Svg, DiagramExport::Tikz,
                                                DiagramExport::Latex};

} // namespace

void exportDiagram(Host& host, QWidget* parent, const CEjercicio& exercise, const COsmiraDoc& step) {
    DlgExportarDiagrama drawing(parent);
    if (host.runDialog(drawing) != QDialog::Accepted) {
        return;
    }
    const SaveChoice choice = host.saveFileChoice(
        parent, QStringLiteral("Exportar diagrama"),
        QStringLiteral("Imagen SVG (*.svg);;Dibujo TikZ (*.tikz);;Documento LaTeX (*.tex)"));
    if (choice.path.isEmpty()) {
        return;
    }
    const DiagramExport format = kFormats.at(
        static_cast<std::size_t>(std::clamp(choice.filter, 0, static_cast<int>(kFormats.size()) - 1)));
    const suite::FileSave save = suite::replaceFile(QFile::encodeName(choice.path).toStdString(),
                                                    exportedDiagram(exercise, step, format, drawing.style()));
    if (!save.saved()) {
        host.showMessage(parent, QString::fromLatin1(suite::asSentence(save.reason())),
                         QStringLiteral("Osmira"), MessageIcon::Exclamation);
    }
}

} // namespace osmira::workbench
