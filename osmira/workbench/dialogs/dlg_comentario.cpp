#include "dlg_comentario.h"

#include "formula_dialog_support.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace osmira::workbench {

namespace {

// Texts written on another system keep "\r\n"; the field shows each as one line break.
QString shownText(const std::string& latin1) {
    QString text = latin1Text(latin1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

} // namespace

DlgComentario::DlgComentario(const QString& target, const std::string& comment, QWidget* parent)
    : QDialog(parent), initialText_(shownText(comment)) {
    setObjectName(QStringLiteral("DlgComentario"));
    setWindowTitle(QStringLiteral("Comentar diagrama"));
    setFont(dialogFont());

    auto* group = new QGroupBox(QStringLiteral("Comentario:"), this);
    target_ = new QLineEdit(target, group);
    target_->setObjectName(QStringLiteral("Al"));
    target_->setReadOnly(true);
    text_ = new QPlainTextEdit(initialText_, group);
    text_->setObjectName(QStringLiteral("TextoComentario"));
    text_->setTabChangesFocus(true);
    keepLatin1(*text_);
    auto* targetRow = new QHBoxLayout;
    targetRow->addWidget(new QLabel(QStringLiteral("Al:"), group));
    targetRow->addWidget(target_, 1);
    auto* textLabel = new QLabel(QStringLiteral("Texto del comentario:"), group);
    textLabel->setBuddy(text_);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addLayout(targetRow);
    groupLayout->addWidget(textLabel);
    groupLayout->addWidget(text_, 1);

    auto* acceptButton = new QPushButton(QStringLiteral("Aceptar"), this);
    acceptButton->setObjectName(QStringLiteral("Aceptar"));
    acceptButton->setDefault(true);
    connect(acceptButton, &QPushButton::clicked, this, &DlgComentario::accept);
    auto* cancelButton = new QPushButton(QStringLiteral("Cancelar"), this);
    cancelButton->setObjectName(QStringLiteral("Cancelar"));
    cancelButton->setAutoDefault(false);
    connect(cancelButton, &QPushButton::clicked, this, &DlgComentario::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(acceptButton);
    buttons->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group, 1);
    layout->addLayout(buttons);
    text_->setFocus();
}

std::string DlgComentario::comment() const {
    return text_->toPlainText().toLatin1().toStdString();
}

bool DlgComentario::changed() const {
    return text_->toPlainText() != initialText_;
}

} // namespace osmira::workbench
