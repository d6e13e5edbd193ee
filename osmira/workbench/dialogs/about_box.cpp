#include "about_box.h"
#include "diagram_picture.h"
#include "icons.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace osmira::workbench {

namespace {

QLabel* centredLine(const QString& text, QWidget* parent, bool bold = false) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        font.setPointSizeF(font.pointSizeF() * 1.4);
        label->setFont(font);
    }
    return label;
}

} // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Acerca de Osmira"));
    setWindowIcon(programIcon());

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(programIcon().pixmap(48, 48));
    icon->setAlignment(Qt::AlignCenter);

    auto* credits = new QGroupBox(QStringLiteral("Realizado por:"), this);
    auto* team = centredLine(QStringLiteral("El equipo de Varquen, Osmira y Zudaviror"), credits);
    auto* suite = centredLine(
        QStringLiteral(
            "Osmira forma parte de una colección de tres programas para la enseñanza de la lógica: "
            "Varquen, Osmira y Zudaviror."),
        credits);
    suite->setWordWrap(true);
    suite->setMinimumWidth(320);
    // Modus ponens, A and A→B, as the program draws it.
    auto* picture = new QLabel(credits);
    picture->setObjectName(QStringLiteral("AboutPicture"));
    picture->setPixmap(QPixmap::fromImage(render::bracketFormPicture("A[A[B]]")));
    picture->setAlignment(Qt::AlignCenter);
    auto* creditsLayout = new QVBoxLayout(credits);
    creditsLayout->addWidget(team);
    creditsLayout->addWidget(suite);
    creditsLayout->addWidget(picture);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* accept = buttons->addButton(QStringLiteral("Aceptar"), QDialogButtonBox::AcceptRole);
    accept->setObjectName(QStringLiteral("IDOK"));
    accept->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    buttons->setCenterButtons(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(icon);
    layout->addWidget(centredLine(QStringLiteral("Osmira"), this, true));
    layout->addWidget(centredLine(QStringLiteral("(Diagramas Alfa de Peirce)"), this));
    layout->addWidget(centredLine(QStringLiteral("Versión 1.0"), this));
    layout->addWidget(credits);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace osmira::workbench
