#include "step_printing.h"

#include "osmira/model/osmira_doc.h"

#include "osmira_view.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace osmira::workbench {

namespace {

constexpr double kScreenDotsPerInch = 96.0;

} // namespace

void printStep(const COsmiraView& view, QPagedPaintDevice& page) {
    const COsmiraDoc* step = view.document();
    if (step == nullptr || step->GetElements().empty()) {
        return;
    }
    const Rect sheet = step->GetElements().front()->GetGraphic()->GetRect();
    const double width = std::max(1, sheet.right - sheet.left);
    const double height = std::max(1, sheet.bottom - sheet.top);
    QPainter painter(&page);
    // A printer's dots per inch are its resolution.
    const int resolution = page.logicalDpiX();
    const QRectF paintable = page.pageLayout().paintRectPixels(resolution);
    const double atScreenSize = resolution / kScreenDotsPerInch;
    const double scale = std::min({atScreenSize, paintable.width() / width, paintable.height() / height});
    painter.scale(scale, scale);
    painter.translate(-sheet.left, -sheet.top);
    view.drawDiagram(painter);
}

} // namespace osmira::workbench
