#include "osmira/diagram_export.h"

#include "osmira/drawing.h"
#include "osmira/latex_document.h"
#include "osmira/svg_writer.h"
#include "osmira/tikz_writer.h"

namespace osmira {

std::string exportedDiagram(const CEjercicio& exercise, const COsmiraDoc& step, DiagramExport format) {
    switch (format) {
    case DiagramExport::Svg:
        return svgDocument(stepDrawing(step));
    case DiagramExport::Tikz:
        return tikzPicture(stepDrawing(step));
    case DiagramExport::Latex:
        return latexDocument(exercise);
    }
    return {};
}

} // namespace osmira
