#include "step_printing.h"

#include "osmira/osmira_doc.h"

#include "osmira_view.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace osmira::workbench {

namespace {

constexpr double kScreenDotsPerInch = 96.0;

} // namespace

void printStep(const COsmiraView& view, QPrinter& printer) {
    const COsmiraDoc* step = view.document();
    if (step == nullptr || step->GetElements().empty()) {
        return;
    }
    const Rect sheet = step->GetElements().front()->GetGraphic()->GetRect();
    const double width = std::max(1, sheet.right - sheet.left);
    const double height = std::max(1, sheet.bottom - sheet.top);
    QPainter painter(&printer);
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double atScreenSize = printer.resolution() / kScreenDotsPerInch;
    const double scale = std::min({atScreenSize, page.width() / width, page.height() / height});
    painter.scale(scale, scale);
    painter.translate(-sheet.left, -sheet.top);
    view.drawDiagram(painter);
}

} // namespace osmira::workbench
