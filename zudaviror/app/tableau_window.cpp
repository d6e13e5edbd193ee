#include "tableau_window.h"

#include "tableau_tree_view.h"

#include "suite/file_saving.h"
#include "suite/latin1.h"
#include "zudaviror/tableau_text.h"

#include <algorithm>

#include <QFileInfo>

#include <QKeySequence>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zudaviror::app {

TableauWindow::TableauWindow(Host& host, QWidget* parent) : QWidget(parent, Qt::Tool), host_(host) {
    setObjectName(QStringLiteral("TABLERO"));
    setWindowTitle(QStringLiteral("Tablero"));
    caption_ = new QLabel(this);
    caption_->setWordWrap(true);
    auto* tabs = new QTabWidget(this);
    tree_ = new TableauTreeView;
    treeArea_ = new QScrollArea;
    treeArea_->setWidget(tree_);
    treeArea_->setBackgroundRole(QPalette::Base);
    tabs->addTab(treeArea_, QStringLiteral("Árbol"));
    text_ = new QPlainTextEdit;
    tabs->addTab(text_, QStringLiteral("Texto"));
    text_->setObjectName(QStringLiteral("TEXTO_TABLERO"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    text_->setFont(font);
    exportKey_ = new QPushButton(QStringLiteral("Exportar LaTeX…"), this);
    exportKey_->setObjectName(QStringLiteral("EXPORTAR_TABLERO"));
    exportKey_->setToolTip(QStringLiteral("Guarda el tablero como documento LaTeX (un árbol de TikZ)"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption_);
    layout->addWidget(tabs, 1);
    layout->addWidget(exportKey_, 0, Qt::AlignRight);
    connect(exportKey_, &QPushButton::clicked, this, &TableauWindow::exportLatex);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::hide);
}

void TableauWindow::showTableau(const Tableau& tableau) {
    const bool closed = tableau.end == TableauEnd::Closed;
    caption_->setText(
        closed
            ? QStringLiteral("Tablero cerrado de la negación de la fórmula: todas las ramas "
                             "acaban en × (los números de los dos nodos que se contradicen), así "
                             "que la fórmula es válida.")
            : QStringLiteral("Tablero de la negación de la fórmula con una rama abierta (↑): sus mundos, sus "
                             "flechas y sus letras forman un contramodelo; el que se dibuja es el "
                             "más pequeño que se halló uniendo y quitando mundos."));
    caption_->setText(caption_->text() +
                      QStringLiteral(" Cada nodo lleva a la derecha la regla que lo dio y los "
                                     "números de los nodos de los que sale; «i r j» dice que el "
                                     "mundo j es accesible desde i."));
    text_->setPlainText(QString::fromStdString(tableauText(tableau)));
    tree_->showTableau(tableau);
    latex_ = tableauLatex(tableau);
    // Wide and tall enough for the whole tree and the caption, within what a screen holds.
    const int width = std::clamp(tree_->width() + 60, 480, 1000);
    const int height = caption_->heightForWidth(width - 20) + tree_->height() + 110;
    resize(width, std::clamp(height, 300, 700));
    show();
    raise();
}

void TableauWindow::exportLatex() {
    const QString path = host_.saveFileName(QStringLiteral("LaTeX (*.tex)|*.tex||"));
    if (path.isEmpty() || (QFileInfo::exists(path) &&
                           !host_.confirm(QStringLiteral("%1 ya existe. ¿Reemplazarlo?").arg(path)))) {
        return;
    }
    const suite::FileSave saved = suite::replaceFile(path.toStdString(), latex_);
    if (!saved.saved()) {
        host_.showMessage(QStringLiteral("No se ha podido guardar %1: %2")
                              .arg(path, QString::fromLatin1(saved.reason().c_str())));
    }
}

} // namespace zudaviror::app
