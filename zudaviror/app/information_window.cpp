#include "information_window.h"

#include "display.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>

#include <cmath>
#include <memory>

namespace zudaviror::app {

namespace {

// Dialog units of the window's font (MS Sans Serif 8) in pixels.
QRect fromDialogUnits(int x, int y, int width, int height) {
    return {x * 3 / 2, y * 13 / 8, width * 3 / 2, height * 13 / 8};
}

struct InformationLayout {
    const char* name;
    QRect window, title, body, back;
    bool proofQuality;
    bool scrolls; // otherwise the body grows to hold its whole text
};

InformationLayout layoutOf(InformationWindow which) {
    switch (which) {
    case InformationWindow::Modal:
        return {"DlgModales",
                fromDialogUnits(0, 0, 368, 276),
                fromDialogUnits(109, 18, 134, 26),
                fromDialogUnits(4, 57, 360, 185),
                fromDialogUnits(138, 256, 51, 19),
                true,
                true};
    case InformationWindow::Multivariada:
        return {"DlgMulti",
                fromDialogUnits(0, 0, 363, 290),
                fromDialogUnits(81, 16, 201, 30),
                fromDialogUnits(0, 71, 363, 180),
                fromDialogUnits(155, 264, 51, 17),
                true,
                true};
    case InformationWindow::Reglas:
        break;
    }
    return {"DlgReglas",
            fromDialogUnits(0, 0, 339, 178),
            fromDialogUnits(126, 16, 74, 26),
            fromDialogUnits(0, 56, 339, 89),
            fromDialogUnits(144, 156, 52, 17),
            false,
            false};
}

QTextEdit* textBox(QWidget* parent, int id, const QFont& font) {
    auto* box = new QTextEdit(parent);
    box->setObjectName(QString::number(id));
    box->setReadOnly(true);
    box->setFont(font);
    box->setPalette(whitePalette(box->palette()));
    return box;
}

// The design's title box is narrower than the title in the faces found here: the title
// takes the window's width, centred, and the height its face needs.
QRect titleGeometry(const QRect& designed, const QRect& window, const QFont& font) {
    const int height = std::max(designed.height(), QFontMetrics(font).height() + 10);
    return {8, designed.top(), window.width() - 16, height};
}

// The designed box is too small for the text in the faces found here; rather than cut
// it off, the box grows and the button and the window's bottom move down with it.
void growToHoldText(InformationLayout& layout, QTextEdit& body) {
    const int frame = 2 * body.frameWidth();
    const std::unique_ptr<QTextDocument> text(body.document()->clone());
    text->setDefaultFont(body.font());
    text->setTextWidth(layout.body.width() - frame);
    const int needed = static_cast<int>(std::ceil(text->size().height())) + frame;
    const int extra = std::max(0, needed - layout.body.height());
    layout.body.setHeight(layout.body.height() + extra);
    layout.back.translate(0, extra);
    layout.window.setHeight(layout.window.height() + extra);
}

} // namespace

InformationDialog::InformationDialog(InformationWindow which, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    InformationLayout layout = layoutOf(which);
    setObjectName(QString::fromLatin1(layout.name));
    setModal(true);
    setFont(namedFont(QStringLiteral("MS Sans Serif"), 8));
    setPalette(whitePalette(palette()));
    setAutoFillBackground(true);
    move(fromScreenCorner(0, 0));

    const QFont titleFont = namedSerifFontByHeight(QStringLiteral("Times New Roman"), 38);
    QTextEdit* title = textBox(this, 1054, titleFont);
    title->setFrameShape(QFrame::NoFrame);
    title->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    title->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QTextOption centred = title->document()->defaultTextOption();
    centred.setAlignment(Qt::AlignCenter);
    title->document()->setDefaultTextOption(centred);
    title->setPlainText(informationTitle(which));
    title->setGeometry(titleGeometry(layout.title, layout.window, titleFont));

    QFont bodyFont = namedSerifFontByHeight(QStringLiteral("Times New Roman"), 16);
    if (layout.proofQuality) {
        bodyFont.setStyleStrategy(QFont::PreferQuality);
    }
    QTextEdit* body = textBox(this, 1055, bodyFont);
    body->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    body->setPlainText(informationBody(which));
    if (!layout.scrolls) {
        growToHoldText(layout, *body);
    }
    body->setGeometry(layout.body);
    setFixedSize(layout.window.size());

    auto* back = new QPushButton(QStringLiteral("VOLVER"), this);
    back->setObjectName(QStringLiteral("1"));
    back->setDefault(true);
    back->setGeometry(layout.back);
    connect(back, &QPushButton::clicked, this, &QDialog::accept);
}

void InformationDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // No caption and no frame from the window manager: a thin border shows where it ends.
    QPainter painter(this);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace zudaviror::app
