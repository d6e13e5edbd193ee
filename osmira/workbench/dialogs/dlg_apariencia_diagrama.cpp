#include "dlg_apariencia_diagrama.h"

#include "osmira/model/canvas.h"

#include "formula_dialog_support.h"
#include "host.h"
#include "painter_canvas.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace osmira::workbench {

namespace {

const QSize kPreviewSize(200, 140);

Rect centred(const QSize& area, int width, int height) {
    const int left = (area.width() - width) / 2;
    const int top = (area.height() - height) / 2;
    return {left, top, left + width, top + height};
}

// The sunken picture area that draws the preview of the dialog's colours.
class AppearancePreview : public QFrame {
  public:
    AppearancePreview(const ElementAppearance& appearance, QWidget* parent)
        : QFrame(parent), appearance_(appearance) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(1);
        setFixedSize(kPreviewSize + QSize(2 * frameWidth(), 2 * frameWidth()));
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        QPainter painter(this);
        painter.translate(contentsRect().topLeft());
        drawAppearancePreview(painter, contentsRect().size(), appearance_);
    }

  private:
    const ElementAppearance& appearance_;
};

QPushButton* addButton(QBoxLayout& layout, const QString& text, const QString& objectName, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    layout.addWidget(button);
    return button;
}

} // namespace

void drawAppearancePreview(QPainter& painter, const QSize& area, const ElementAppearance& appearance) {
    render::PainterCanvas canvas(painter);
    const Pen border{Pen::Style::Solid, appearance.penWidth, appearance.penColor};
    canvas.selectPen(border);
    canvas.selectBrush({appearance.fillColor});
    canvas.drawRectangle({0, 0, area.width(), area.height()});
    canvas.drawRectangle(centred(area, 140, 98));
    const Rect cut = centred(area, 100, 58);
    canvas.drawEllipse(cut);
    const Rect selected{cut.left + 20, cut.top + 20, cut.left + 40, cut.top + 38};
    canvas.selectBrush({appearance.markedFillColor});
    canvas.drawEllipse(selected);
    const Rect letter{selected.right + 20, selected.top, selected.right + 40, selected.bottom};
    canvas.selectPen({Pen::Style::Null, 0, 0});
    canvas.selectBrush({appearance.fillColor});
    canvas.drawRectangle(letter);
    canvas.drawCentredText(letter, "G", appearance.font, appearance.penColor);
}

DlgAparienciaDiagrama::DlgAparienciaDiagrama(Host& host, const ElementAppearance& sheet, QWidget* parent)
    : QDialog(parent), host_(host), appearance_(sheet) {
    setObjectName(QStringLiteral("DlgAparienciaDiagrama"));
    setWindowTitle(QStringLiteral("Apariencia del diagrama"));
    setFont(dialogFont());

    preview_ = new AppearancePreview(appearance_, this);
    preview_->setObjectName(QStringLiteral("Muestra"));

    auto* buttons = new QVBoxLayout;
    addButton(*buttons, QStringLiteral("Color Borde"), QStringLiteral("ColorBorde"), this);
    addButton(*buttons, QStringLiteral("Color Relleno"), QStringLiteral("ColorRelleno"), this);
    addButton(*buttons, QStringLiteral("Color Selección"), QStringLiteral("ColorSeleccion"), this);
    buttons->addStretch();
    QPushButton* acceptButton =
        addButton(*buttons, QStringLiteral("Aceptar"), QStringLiteral("Aceptar"), this);
    acceptButton->setDefault(true);
    QPushButton* cancelButton =
        addButton(*buttons, QStringLiteral("Cancelar"), QStringLiteral("Cancelar"), this);
    connect(acceptButton, &QPushButton::clicked, this, &DlgAparienciaDiagrama::accept);
    connect(cancelButton, &QPushButton::clicked, this, &DlgAparienciaDiagrama::reject);

    const std::pair<const char*, Colour ElementAppearance::*> colours[] = {
        {"ColorBorde", &ElementAppearance::penColor},
        {"ColorRelleno", &ElementAppearance::fillColor},
        {"ColorSeleccion", &ElementAppearance::markedFillColor},
    };
    for (const auto& [name, colour] : colours) {
        connect(findChild<QPushButton*>(QString::fromLatin1(name)), &QPushButton::clicked, this,
                [this, colour = colour] { chooseColour(appearance_.*colour); });
    }

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(preview_, 0, Qt::AlignTop);
    layout->addLayout(buttons);
}

void DlgAparienciaDiagrama::chooseColour(Colour& colour) {
    const std::optional<QColor> chosen = host_.chooseColour(this, render::qtColour(colour));
    if (!chosen) {
        return;
    }
    colour = render::modelColour(*chosen);
    changed_ = true;
    preview_->update();
}

} // namespace osmira::workbench
