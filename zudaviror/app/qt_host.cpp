#include "qt_host.h"

#include "information_window.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace zudaviror::app {

namespace {

const QString kCaption = QStringLiteral("ZUDAVIROR");

} // namespace

QString qtFileFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) {
            break;
        }
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            if (pattern == QLatin1String("*.*")) {
                pattern = QStringLiteral("*");
            }
        }
        entries << QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(QLatin1Char(' ')));
    }
    return entries.join(QStringLiteral(";;"));
}

QString QtHost::saveFileName(const QString& filter) {
    // The log is appended to, so the dialog must not ask about replacing a file; the
    // window asks its own question. The pattern list stays hidden behind the filter's name.
    return QFileDialog::getSaveFileName(
        QApplication::activeWindow(), QString(), QString(), qtFileFilter(filter), nullptr,
        QFileDialog::DontConfirmOverwrite | QFileDialog::HideNameFilterDetails);
}

bool QtHost::confirm(const QString& question) {
    return QMessageBox::question(QApplication::activeWindow(), kCaption, question) == QMessageBox::Yes;
}

void QtHost::showMessage(const QString& text) {
    QMessageBox box(QMessageBox::Warning, kCaption, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void QtHost::showInformation(InformationWindow which) {
    InformationDialog dialog(which, QApplication::activeWindow());
    dialog.exec();
}

void QtHost::endProgram(int status) {
    QCoreApplication::exit(status);
}

} // namespace zudaviror::app
