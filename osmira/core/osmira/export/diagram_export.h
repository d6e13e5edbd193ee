#pragma once

#include "osmira/model/drawing.h"
#include "osmira/model/ejercicio.h"
#include "osmira/model/osmira_doc.h"

#include <string>

namespace osmira {

// What "Exportar diagrama…" and `osmira-cli export` write.
enum class DiagramExport {
    Svg,  // one step as an SVG 1.1 picture
    Tikz, // one step as a tikzpicture
    Latex // the whole derivation as a LaTeX document
};

// The file's bytes (UTF-8): `step` (one of the exercise's) for a picture, every step for LaTeX,
// drawn in `style`.
std::string exportedDiagram(const CEjercicio& exercise, const COsmiraDoc& step, DiagramExport format,
                            FigureStyle style);

} // namespace osmira
