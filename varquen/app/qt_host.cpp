#include "qt_host.h"

#include "help_window.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace varquen::app {

QString qtFileFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'));
        for (QString& pattern : patterns) {
            // "*.*" means every file; here it would hide every name without a dot.
            if (pattern == QLatin1String("*.*")) {
                pattern = QStringLiteral("*");
            }
        }
        entries << QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(QLatin1Char(' ')));
    }
    return entries.join(QStringLiteral(";;"));
}

QString QtHost::openFileName(const QString& filter) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), QString(),
                                        qtFileFilter(filter));
}

QString QtHost::saveFileName(const QString& filter, const QString& preset) {
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(), preset, qtFileFilter(filter),
                                        nullptr, QFileDialog::DontConfirmOverwrite);
}

void QtHost::showMessage(const QString& text, const QString& caption) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok);
    box.exec();
}

void QtHost::showHelp(const QString& helpFile, const QString& topic) {
    if (!help_) {
        help_ = new HelpWindow;
        help_->setAttribute(Qt::WA_DeleteOnClose);
        // Closing the main window ends the program even while the help is open.
        help_->setAttribute(Qt::WA_QuitOnClose, false);
    }
    help_->showTopic(helpFile, topic);
    help_->show();
    help_->raise();
}

void QtHost::quit() {
    QApplication::exit(0);
}

} // namespace varquen::app
