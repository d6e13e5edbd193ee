#include "dlg_nuevo_ejercicio.h"

#include "formula_dialog_support.h"
#include "host.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace osmira::workbench {

namespace {

std::string latin1Bytes(const QString& text) {
    return text.toLatin1().toStdString();
}

// The locale's short date with the full year, which a two-digit year field would lose.
QString shortDateFormat() {
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy"))) {
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    }
    return format;
}

} // namespace

DlgNuevoEjercicio::DlgNuevoEjercicio(Host& host, QWidget* parent) : QDialog(parent), host_(host) {
    setObjectName(QStringLiteral("DlgNuevoEjercicio"));
    setWindowTitle(QStringLiteral("Nuevo Ejercicio"));
    setFont(dialogFont());

    title_ = new QLineEdit(this);
    title_->setObjectName(QStringLiteral("Titulo"));
    title_->setMinimumWidth(title_->fontMetrics().averageCharWidth() * kTitleLimit);
    keepLatin1(*title_);
    author_ = new QLineEdit(this);
    author_->setObjectName(QStringLiteral("Autor"));
    keepLatin1(*author_);
    comments_ = new QPlainTextEdit(this);
    comments_->setObjectName(QStringLiteral("Comentarios"));
    comments_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    comments_->setTabChangesFocus(true);
    keepLatin1(*comments_);
    date_ = new QDateEdit(this);
    date_->setObjectName(QStringLiteral("Fecha"));
    date_->setCalendarPopup(true);
    date_->setDisplayFormat(shortDateFormat());
    // The exercise keeps its date as 32-bit seconds since 1970.
    date_->setDateRange(QDate(1970, 1, 1), QDate(2038, 1, 18));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Título:"), title_);
    form->addRow(QStringLiteral("&Autor:"), author_);
    form->addRow(QStringLiteral("&Comentarios:"), comments_);
    form->addRow(QStringLiteral("&Fecha:"), date_);

    auto* acceptButton = new QPushButton(QStringLiteral("Aceptar"), this);
    acceptButton->setObjectName(QStringLiteral("Aceptar"));
    acceptButton->setDefault(true);
    connect(acceptButton, &QPushButton::clicked, this, &DlgNuevoEjercicio::accept);
    auto* cancelButton = new QPushButton(QStringLiteral("Cancelar"), this);
    cancelButton->setObjectName(QStringLiteral("Cancelar"));
    cancelButton->setAutoDefault(false);
    connect(cancelButton, &QPushButton::clicked, this, &DlgNuevoEjercicio::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(acceptButton);
    buttons->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    title_->setFocus();
}

void DlgNuevoEjercicio::setDate(const QDate& date) {
    date_->setDate(date);
}

std::string DlgNuevoEjercicio::title() const {
    return latin1Bytes(title_->text());
}

std::string DlgNuevoEjercicio::author() const {
    return latin1Bytes(author_->text());
}

std::string DlgNuevoEjercicio::comments() const {
    return latin1Bytes(comments_->toPlainText());
}

QDate DlgNuevoEjercicio::date() const {
    return date_->date();
}

void DlgNuevoEjercicio::accept() {
    if (title_->text().size() > kTitleLimit) {
        title_->setText(title_->text().left(kTitleLimit));
        host_.showMessage(this, QStringLiteral("La longitud del Título no debe ser mayor de 50 carácteres."),
                          QStringLiteral("Título demasiado largo"), MessageIcon::Exclamation);
        title_->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace osmira::workbench
