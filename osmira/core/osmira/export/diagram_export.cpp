#include "osmira/export/diagram_export.h"

#include "osmira/export/latex_document.h"
#include "osmira/export/svg_writer.h"
#include "osmira/export/tikz_writer.h"
#include "osmira/model/drawing.h"

namespace osmira {

std::string exportedDiagram(const CEjercicio& exercise, const COsmiraDoc& step, DiagramExport format,
                            FigureStyle style) {
    switch (format) {
    case DiagramExport::Svg:
        return svgDocument(figureDrawing(step, style));
    case DiagramExport::Tikz:
        return tikzPicture(figureDrawing(step, style));
    case DiagramExport::Latex:
        return latexDocument(exercise, style);
    }
    return {};
}

} // namespace osmira
