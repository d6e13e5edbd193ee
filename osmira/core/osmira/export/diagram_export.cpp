#include "osmira/export/diagram_export.h"

#include "osmira/export/latex_document.h"
#include "osmira/export/svg_writer.h"
#include "osmira/export/tikz_writer.h"
#include "osmira/model/drawing.h"

#include <algorithm>

namespace osmira {

const std::vector<ExportFormat>& exportFormats() {
    static const std::vector<ExportFormat> formats = {
        {DiagramExport::Svg, "--svg", "Imagen SVG (*.svg)", false,
         [](const CEjercicio&, const COsmiraDoc& step, FigureStyle style) {
             return svgDocument(figureDrawing(step, style));
         }},
        {DiagramExport::Tikz, "--tikz", "Dibujo TikZ (*.tikz)", false,
         [](const CEjercicio&, const COsmiraDoc& step, FigureStyle style) {
             return tikzPicture(figureDrawing(step, style));
         }},
        {DiagramExport::Latex, "--latex", "Documento LaTeX (*.tex)", true,
         [](const CEjercicio& exercise, const COsmiraDoc&, FigureStyle style) {
             return latexDocument(exercise, style);
         }},
    };
    return formats;
}

const ExportFormat& exportFormat(DiagramExport format) {
    const auto& formats = exportFormats();
    return *std::find_if(formats.begin(), formats.end(),
                         [&](const ExportFormat& row) { return row.format == format; });
}

std::string exportedDiagram(const CEjercicio& exercise, const COsmiraDoc& step, DiagramExport format,
                            FigureStyle style) {
    return exportFormat(format).write(exercise, step, style);
}

} // namespace osmira
