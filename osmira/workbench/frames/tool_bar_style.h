#pragma once

#include <QProxyStyle>

namespace osmira::workbench {

// The application's style for the main window's toolbars, drawing a bar's background slice by
// slice. Qt's raster engine hands a translucent line of a hundred pixels or more to its thread
// pool and waits for it; Fusion draws a bar's edges as translucent lines, and the last bar of a
// row stretches across the window, so that drawn whole the first paint would start threads and
// wait on them dozens of times. Each slice paints the same pixels as the whole bar would.
class ToolBarStyle : public QProxyStyle {
    Q_OBJECT
  public:
    ToolBarStyle();

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

} // namespace osmira::workbench
