#pragma once

#include "osmira/elemento.h"
#include "osmira/osmira_doc.h"

#include "exposed_area.h"

#include <QAbstractScrollArea>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

class QMouseEvent;
class QPainter;
class QPaintEvent;
class QResizeEvent;

namespace osmira::workbench {

class Host;

// A scrolling view over the logical page of one step: draws its diagram, selects elements by
// clicks and takes the place of an iteration. The selection lives in the document, where the
// rules read it.
class COsmiraView : public QAbstractScrollArea {
    Q_OBJECT

  public:
    // The logical page and its scrolling steps; one unit is one pixel.
    static constexpr QSize kPageExtent{4200, 2970};
    static constexpr QSize kPageStep{2100, 2970};
    static constexpr QSize kLineStep{210, 297};

    COsmiraView(COsmiraDoc& document, Host& host, QWidget* parent = nullptr);

    // Nullptr once detached.
    COsmiraDoc* document() const { return document_; }
    // The step is being destroyed: the view forgets it and draws nothing from then on.
    void detach();
    // The step's diagram was laid out or marked: the page may have grown, and is drawn again.
    void diagramChanged();
    // The logical page: the designed one, grown to hold the whole diagram and its margin, so that
    // every element of a wide diagram can be scrolled to and selected.
    QSize pageExtent() const;

    // Every element in list order, the selected one highlighted; the painter is in logical units.
    // Given an exposed rectangle (logical units), only the elements whose drawing reaches it.
    void drawDiagram(QPainter& painter, const std::optional<QRect>& exposed = std::nullopt) const;

    // The logical point under a point of the viewport, at the current scroll position.
    QPoint toLogical(const QPoint& windowPoint) const;

    QSize sizeHint() const override;

  signals:
    // An iteration's place was clicked and the rule made a new step.
    void ruleCommitted();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

  private:
    void updateScrollBars();
    // The innermost element under the point: the list is walked from its end, where children
    // follow their containers. A miss keeps the current selection.
    void selectAt(const QPoint& logical);
    void takeIterationPlace(const QPoint& logical);

    COsmiraDoc* document_;
    Host& host_;
    mutable ShownElements shown_;
};

} // namespace osmira::workbench
