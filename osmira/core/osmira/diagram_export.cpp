#include "osmira/diagram_export.h"

#include "osmira/drawing.h"
#include "osmira/latex_document.h"
#include "osmira/svg_writer.h"
#include "osmira/tikz_writer.h"

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
