#include "qt_host.h"

#include "printing.h"

#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>

namespace osmira::workbench {

std::unique_ptr<QMessageBox> messageBox(QWidget* parent, const QString& text, const QString& caption,
                                        MessageIcon icon) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(caption);
    box->setText(text);
    switch (icon) {
    case MessageIcon::None:
        box->setIcon(QMessageBox::NoIcon);
        break;
    case MessageIcon::Information:
        box->setIcon(QMessageBox::Information);
        break;
    case MessageIcon::Exclamation:
        box->setIcon(QMessageBox::Warning);
        break;
    }
    box->addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
    return box;
}

void QtHost::showMessage(QWidget* parent, const QString& text, const QString& caption, MessageIcon icon) {
    messageBox(parent, text, caption, icon)->exec();
}

SaveChanges QtHost::askToSaveChanges(QWidget* parent) {
    QMessageBox box(parent);
    box.setWindowTitle(QStringLiteral("Osmira"));
    box.setIcon(QMessageBox::Question);
    box.setText(QStringLiteral("¿Desea guardar los cambios del ejercicio?"));
    QPushButton* yes = box.addButton(QStringLiteral("&Sí"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes) {
        return SaveChanges::Save;
    }
    if (box.clickedButton() == no) {
        return SaveChanges::Discard;
    }
    return SaveChanges::Cancel;
}

bool QtHost::askToReplaceChangedFile(QWidget* parent, const QString& fileName) {
    QMessageBox box(parent);
    box.setWindowTitle(QStringLiteral("Osmira"));
    box.setIcon(QMessageBox::Question);
    box.setText(QStringLiteral("El fichero «%1» ha cambiado en el disco desde que se abrió o se guardó por "
                               "última vez.\n¿Desea reemplazarlo por este ejercicio?")
                    .arg(fileName));
    QPushButton* yes = box.addButton(QStringLiteral("&Sí"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    // What another program wrote is not lost by a key pressed out of habit.
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

QString QtHost::openFileName(QWidget* parent, const QString& title, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

QString QtHost::saveFileName(QWidget* parent, const QString& title, const QString& filter) {
    return saveFileChoice(parent, title, filter).path;
}

SaveChoice QtHost::saveFileChoice(QWidget* parent, const QString& title, const QString& filters) {
    QFileDialog dialog(parent, title, QString(), filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // A name typed without an extension gets the chosen filter's, so the file shows up under the
    // same filter when it is looked for again.
    const auto takeSuffix = [&dialog](const QString& filter) {
        const QRegularExpressionMatch pattern =
            QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
        if (pattern.hasMatch()) {
            dialog.setDefaultSuffix(pattern.captured(1));
        }
    };
    takeSuffix(dialog.selectedNameFilter());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, takeSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return {
        dialog.selectedFiles().constFirst(),
        static_cast<int>(std::max<qsizetype>(0, dialog.nameFilters().indexOf(dialog.selectedNameFilter())))};
}

int QtHost::runDialog(QDialog& dialog) {
    return dialog.exec();
}

std::optional<QColor> QtHost::chooseColour(QWidget* parent, const QColor& initial) {
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return chosen;
}

bool QtHost::runPrintDialog(QWidget* parent, Printing& printing) {
    return printing.runPrintDialog(parent);
}

bool QtHost::runPageSetup(QWidget* parent, Printing& printing) {
    return printing.runPageSetup(parent);
}

void QtHost::runPrintPreview(QDialog& preview) {
    preview.exec();
}

} // namespace osmira::workbench
