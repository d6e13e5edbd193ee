#pragma once

#include <QLabel>

class QResizeEvent;

namespace osmira::workbench {

// The status bar's own line: a label that wraps its text and is as tall as its lines at its
// width, so that a long text shows whole. The status bar sizes itself by its widgets' minimum
// heights, and the main window by its size hint, not by a height for a width (QLabel's guess at
// a width would leave a short text several lines tall): the line sets its minimum height as its
// text and its width change, and its hint is that height.
class StatusLine : public QLabel {
    Q_OBJECT
  public:
    explicit StatusLine(QWidget* parent = nullptr);

    void setLine(const QString& text);

    QSize sizeHint() const override;
    bool hasHeightForWidth() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void fitHeight();
};

} // namespace osmira::workbench
