#pragma once

#include "host.h"

#include <memory>

class QMessageBox;

namespace osmira::workbench {

// A message box as the program shows it: caption, text, icon and one "Aceptar" button.
std::unique_ptr<QMessageBox> messageBox(QWidget* parent, const QString& text, const QString& caption,
                                        MessageIcon icon);

// The host of the running program: Qt's message boxes, file dialogs and printing dialogs.
class QtHost : public Host {
  public:
    void showMessage(QWidget* parent, const QString& text, const QString& caption, MessageIcon icon) override;
    SaveChanges askToSaveChanges(QWidget* parent) override;
    bool askToReplaceChangedFile(QWidget* parent, const QString& fileName) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter) override;
    SaveChoice saveFileChoice(QWidget* parent, const QString& title, const QString& filters) override;
    int runDialog(QDialog& dialog) override;
    std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) override;
    bool runPrintDialog(QWidget* parent, Printing& printing) override;
    bool runPageSetup(QWidget* parent, Printing& printing) override;
    void runPrintPreview(QDialog& preview) override;
};

} // namespace osmira::workbench
