#include "dlg_informe.h"

#include "formula_dialog_support.h"
#include "host.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace osmira::workbench {

namespace {

struct Option {
    const char16_t* text;
    const char* objectName;
    bool ReportOptions::*field;
    bool indented; // one of the cover's parts, below "Incluir Portada"
};

const Option kOptions[] = {
    {u"Incluir Portada", "IncluirPortada", &ReportOptions::bPortada, false},
    {u"Título", "Titulo", &ReportOptions::bTitulo, true},
    {u"Autor", "Autor", &ReportOptions::bAutor, true},
    {u"Fecha", "Fecha", &ReportOptions::bFecha, true},
    {u"Incluir Descripción", "IncluirDescripcion", &ReportOptions::bDocumentacion, false},
    {u"Incluir Secuencia De Diagramas", "IncluirSecuencia", &ReportOptions::bSecuencia, false},
    {u"Incluir los Comentarios de los Diagramas", "IncluirComentarios", &ReportOptions::bComentarios, false},
    {u"Incluir Información Sobre Los Gráficos Alfa", "IncluirInfoAlfa", &ReportOptions::bInfoAlfa, false},
};

QPushButton* makeButton(const QString& text, const QString& objectName, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    return button;
}

} // namespace

DlgInforme::DlgInforme(Host& host, QWidget* parent) : QDialog(parent), host_(host) {
    setObjectName(QStringLiteral("DlgInforme"));
    setWindowTitle(QStringLiteral("Generar Informe"));
    setFont(dialogFont());

    auto* fileGroup = new QGroupBox(QStringLiteral("Archivo"), this);
    file_ = new QLineEdit(fileGroup);
    file_->setObjectName(QStringLiteral("Archivo"));
    file_->setReadOnly(true);
    file_->setMinimumWidth(file_->fontMetrics().averageCharWidth() * 45);
    QPushButton* choose = makeButton(QStringLiteral("Seleccionar"), QStringLiteral("Seleccionar"), fileGroup);
    connect(choose, &QPushButton::clicked, this, &DlgInforme::seleccionar);
    auto* fileRow = new QHBoxLayout(fileGroup);
    fileRow->addWidget(file_, 1);
    fileRow->addWidget(choose);

    auto* formatGroup = new QGroupBox(QStringLiteral("Formato del informe"), this);
    auto* formatLayout = new QGridLayout(formatGroup);
    formatLayout->setColumnMinimumWidth(0, 20);
    const ReportOptions defaults;
    for (std::size_t index = 0; index < boxes_.size(); ++index) {
        const Option& option = kOptions[index];
        auto* box = new QCheckBox(QString::fromUtf16(option.text), formatGroup);
        box->setObjectName(QString::fromLatin1(option.objectName));
        box->setChecked(defaults.*option.field);
        const int row = static_cast<int>(index);
        if (option.indented) {
            formatLayout->addWidget(box, row, 1);
        } else {
            formatLayout->addWidget(box, row, 0, 1, 2);
        }
        boxes_[index] = box;
    }
    QPushButton* all =
        makeButton(QStringLiteral("Incluir Todos"), QStringLiteral("IncluirTodos"), formatGroup);
    formatLayout->addWidget(all, static_cast<int>(boxes_.size()), 0, 1, 2, Qt::AlignLeft);
    connect(boxes_[0], &QCheckBox::toggled, this, &DlgInforme::incluirPortada);
    connect(all, &QPushButton::clicked, this, &DlgInforme::incluirTodos);

    QPushButton* acceptButton = makeButton(QStringLiteral("Aceptar"), QStringLiteral("Aceptar"), this);
    acceptButton->setDefault(true);
    connect(acceptButton, &QPushButton::clicked, this, &DlgInforme::accept);
    QPushButton* cancelButton = makeButton(QStringLiteral("Cancelar"), QStringLiteral("Cancelar"), this);
    connect(cancelButton, &QPushButton::clicked, this, &DlgInforme::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(acceptButton);
    buttons->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fileGroup);
    layout->addWidget(formatGroup);
    layout->addLayout(buttons);
    incluirPortada();
}

ReportOptions DlgInforme::options() const {
    ReportOptions options;
    for (std::size_t index = 0; index < boxes_.size(); ++index) {
        options.*kOptions[index].field = boxes_[index]->isChecked();
    }
    return options;
}

void DlgInforme::seleccionar() {
    const QString path = host_.saveFileName(this, QStringLiteral("Seleccionar el nombre del informe"),
                                            QStringLiteral("Documento HTML (*.htm)"));
    if (path.isEmpty()) {
        return;
    }
    const QFileInfo chosen(path);
    reportPath_ = chosen.absoluteFilePath();
    pictureFolder_ = QDir::toNativeSeparators(chosen.absolutePath() + QLatin1Char('/'));
    file_->setText(QDir::toNativeSeparators(reportPath_));
}

// The cover's parts only count with a cover; they keep their marks while disabled.
void DlgInforme::incluirPortada() {
    const bool cover = boxes_[0]->isChecked();
    for (std::size_t index = 1; index <= 3; ++index) {
        boxes_[index]->setEnabled(cover);
    }
}

void DlgInforme::incluirTodos() {
    for (QCheckBox* box : boxes_) {
        box->setChecked(true);
    }
    incluirPortada();
}

void DlgInforme::accept() {
    if (pictureFolder_.isEmpty()) {
        host_.showMessage(this, QStringLiteral("Debe seleccionar el archivo donde se generará el informe"),
                          QStringLiteral("Osmira"), MessageIcon::Information);
        return;
    }
    QDialog::accept();
}

} // namespace osmira::workbench
