#pragma once

#include "osmira/model/drawing.h"
#include "osmira/model/ejercicio.h"
#include "osmira/model/osmira_doc.h"

#include <string>
#include <string_view>
#include <vector>

namespace osmira {

// What "Exportar diagrama…" and `osmira-cli export` write.
enum class DiagramExport {
    Svg,  // one step as an SVG 1.1 picture
    Tikz, // one step as a tikzpicture
    Latex // the whole derivation as a LaTeX document
};

// Every format, in the order the save dialog and the help list them: a new format is a new row
// and its writer.
struct ExportFormat {
    DiagramExport format;
    std::string_view option; // osmira-cli export's: "--svg"
    std::string_view filter; // the save dialog's: "Imagen SVG (*.svg)"
    bool everyStep;          // the whole derivation rather than one step
    std::string (*write)(const CEjercicio& exercise, const COsmiraDoc& step, FigureStyle style);
};
const std::vector<ExportFormat>& exportFormats();
const ExportFormat& exportFormat(DiagramExport format);

// The file's bytes (UTF-8): `step` (one of the exercise's) for a picture, every step for LaTeX,
// drawn in `style`.
std::string exportedDiagram(const CEjercicio& exercise, const COsmiraDoc& step, DiagramExport format,
                            FigureStyle style);

} // namespace osmira
