#pragma once

#include "osmira/model/canvas.h"
#include "osmira/model/elemento.h"
#include "osmira/model/osmira_doc.h"

#include "exposed_area.h"

#include <QAbstractScrollArea>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

class QKeyEvent;
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
    // The same on any canvas: the drawing the exports describe comes from here too.
    void drawDiagram(Canvas& canvas, const std::optional<QRect>& exposed = std::nullopt) const;

    // The logical point under a point of the viewport, at the current scroll position.
    QPoint toLogical(const QPoint& windowPoint) const;

    // The innermost element at a logical point: the list is walked from its end, where children
    // follow their containers. Nullptr where nothing is drawn, or once detached.
    CElemento* elementAt(const QPoint& logical) const;

    // Makes an element of the step the selection, as a click on it does, scrolls it into sight
    // and tells a screen reader.
    void selectElement(CElemento* element);

    QSize sizeHint() const override;

  signals:
    // An iteration's place was clicked and the rule made a new step.
    void ruleCommitted();
    // A click, a key or a hint selected an element.
    void selectionChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Tab, Shift+Tab, Inicio and the arrows move the selection (keyboard_selection.h); Intro or
    // the space bar takes the selected element as an iteration's place.
    void keyPressEvent(QKeyEvent* event) override;
    // Tab stays in the diagram, where it moves the selection.
    bool focusNextPrevChild(bool next) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

  private:
    void updateScrollBars();
    // The element under the point becomes the selection; a miss keeps the current one.
    void selectAt(const QPoint& logical);
    // Whether a click or a key may select: not on a locked step, nor while a rule other than
    // the iteration waits; otherwise the student is told why.
    bool maySelect();
    // The selection is the place; the graph to copy was chosen by the command.
    void applyIteration();
    void scrollIntoSight(const CElemento& element);

    COsmiraDoc* document_;
    Host& host_;
    mutable ShownElements shown_;
};

} // namespace osmira::workbench
