#include "help_window.h"

#include "display_text.h"

#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

// The help pages live in a static library's resources, which must be registered by hand.
static void registerHelpPages() {
    Q_INIT_RESOURCE(varquen);
}

namespace varquen::app {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
    registerHelpPages();
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Ayuda de Varquen"));
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setFont(systemFont(QStringLiteral("MS Sans Serif"), 14));
    auto* close = new QPushButton(QStringLiteral("Cerrar"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(620, 520);
}

void HelpWindow::showTopic(const QString& helpFile, const QString& topic) {
    browser_->setSource(QUrl(QStringLiteral("qrc:/%1/%2.html").arg(helpFile, topic)));
}

QString HelpWindow::currentTopicText() const {
    return browser_->toPlainText();
}

} // namespace varquen::app
