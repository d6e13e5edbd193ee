#pragma once

#include "host.h"

#include "osmira/model/ejercicio.h"
#include "osmira/model/osmira_doc.h"

class QWidget;

namespace osmira::workbench {

// "Exportar diagrama…": the dialog choosing how the figure is drawn (for paper, with or without
// the marked element, or as the window shows it), then a save dialog choosing SVG or TikZ (the
// step shown) or LaTeX (the whole derivation); the file is written whole or not at all, a
// failure said in a message box.
void exportDiagram(Host& host, QWidget* parent, const CEjercicio& exercise, const COsmiraDoc& step);

} // namespace osmira::workbench
