#include "qt_host.h"

#include "help_window.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
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

QString filterPattern(const QString& qtEntry) {
    const qsizetype open = qtEntry.lastIndexOf(QLatin1Char('('));
    if (open < 0 || !qtEntry.endsWith(QLatin1Char(')'))) {
        return {};
    }
    QString patterns = qtEntry.mid(open + 1).chopped(1);
    return patterns == QLatin1String("*") ? QStringLiteral("*.*") : patterns;
}

void prepareMessageBox(QMessageBox& box, const QString& text, const QString& caption) {
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(caption);
    box.setTextFormat(Qt::RichText);
    QString body = text.toHtmlEscaped();
    body.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    box.setText(QStringLiteral("<b>%1</b><br>%2").arg(caption.toHtmlEscaped(), body));
    box.setStandardButtons(QMessageBox::Ok);
    // A window manager cuts a caption that does not fit beside its title bar's icon and buttons:
    // over the answer "válida", "¿Es válida?" showed as "¿E…?". The box takes the width of the
    // caption in bold and of eight lines' height for them.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        QFont bold = box.font();
        bold.setBold(true);
        const QFontMetrics metrics(bold);
        const int width = metrics.horizontalAdvance(caption) + 8 * metrics.height();
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(),
                      0, 1, grid->columnCount());
    }
}

// The window adds the extension and asks about existing files itself, after the dialog.
SaveChoice QtHost::saveFileName(const QString& filter, const QString& preset) {
    QString selected;
    const QString path =
        QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(), preset, qtFileFilter(filter),
                                     &selected, QFileDialog::DontConfirmOverwrite);
    return {path, filterPattern(selected)};
}

// The question Qt's own save dialog asks, in its own words and translation.
bool QtHost::confirmReplace(const QString& path) {
    const QString question = QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to "
                                                                        "replace it?")
                                 .arg(QFileInfo(path).fileName());
    return QMessageBox::warning(QApplication::activeWindow(),
                                QCoreApplication::translate("QFileDialog", "Save As"), question,
                                QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void QtHost::showMessage(const QString& text, const QString& caption) {
    QMessageBox box;
    prepareMessageBox(box, text, caption);
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
