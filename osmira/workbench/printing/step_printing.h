#pragma once

class QPagedPaintDevice;

namespace osmira::workbench {

class COsmiraView;

// Prints the view's diagram on one page: at the size it has on the screen (one unit = one
// pixel at 96 dots per inch), made smaller only when it would not fit the page.
void printStep(const COsmiraView& view, QPagedPaintDevice& page);

} // namespace osmira::workbench
