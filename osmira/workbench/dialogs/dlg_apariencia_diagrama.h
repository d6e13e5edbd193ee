#pragma once

#include "osmira/model/element_appearance.h"

#include <QDialog>

class QFrame;
class QPainter;

namespace osmira::workbench {

class Host;

// "Apariencia del diagrama": the three colours of the diagrams, chosen with the system's colour
// chooser and shown at once in a small preview. Nothing reaches the exercise from here; the
// command reads the colours back when the student accepts.
class DlgAparienciaDiagrama : public QDialog {
    Q_OBJECT

  public:
    // Filled from the exercise's appearance of the sheet.
    DlgAparienciaDiagrama(Host& host, const ElementAppearance& sheet, QWidget* parent = nullptr);

    Colour borderColour() const { return appearance_.penColor; }
    Colour fillColour() const { return appearance_.fillColor; }
    Colour selectionColour() const { return appearance_.markedFillColor; }
    // Whether a colour was confirmed in the chooser since the dialog opened.
    bool changed() const { return changed_; }

  private:
    void chooseColour(Colour& colour);

    Host& host_;
    ElementAppearance appearance_;
    bool changed_ = false;
    QFrame* preview_ = nullptr;
};

// The preview: the area in the fill colour outlined in the border colour; a centred rectangle
// of 140 × 98 and a centred ellipse of 100 × 58, then a selected cut and a letter "G" inside.
void drawAppearancePreview(QPainter& painter, const QSize& area, const ElementAppearance& appearance);

} // namespace osmira::workbench
