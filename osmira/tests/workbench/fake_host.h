#pragma once

#include "host.h"
#include "printing.h"

#include <QDialog>
#include <QPrinter>
#include <QString>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace osmira::workbench::test {

// A host that records every message and answers every question from values set beforehand,
// so that no widget test ever waits on a modal window.
class FakeHost : public Host {
  public:
    struct Message {
        QString text;
        QString caption;
        MessageIcon icon;
    };

    void showMessage(QWidget*, const QString& text, const QString& caption, MessageIcon icon) override {
        messages.push_back({text, caption, icon});
    }
    SaveChanges askToSaveChanges(QWidget*) override {
        ++saveQuestions;
        return saveAnswer;
    }
    bool askToReplaceChangedFile(QWidget*, const QString& fileName) override {
        replaceQuestions.push_back(fileName);
        return replaceAnswer;
    }
    QString openFileName(QWidget*, const QString& title, const QString& filter) override {
        fileDialogs.push_back(title + " | " + filter);
        return take(openPaths);
    }
    QString saveFileName(QWidget*, const QString& title, const QString& filter) override {
        fileDialogs.push_back(title + " | " + filter);
        return take(savePaths);
    }
    SaveChoice saveFileChoice(QWidget*, const QString& title, const QString& filters) override {
        fileDialogs.push_back(title + " | " + filters);
        return {take(savePaths), saveFilter};
    }
    // Each dialog goes to the next answer in line, which fills it in and returns its result;
    // with no answer left the dialog is cancelled.
    int runDialog(QDialog& dialog) override {
        dialogs.push_back(dialog.objectName());
        if (dialogAnswers.empty()) {
            return QDialog::Rejected;
        }
        const auto answer = dialogAnswers.front();
        dialogAnswers.pop_front();
        return answer(dialog);
    }
    std::optional<QColor> chooseColour(QWidget*, const QColor& initial) override {
        colourPresets.push_back(initial);
        if (colourAnswers.empty()) {
            return std::nullopt;
        }
        const std::optional<QColor> answer = colourAnswers.front();
        colourAnswers.pop_front();
        return answer;
    }
    // Confirming the print dialog prints into `printFile` as PDF.
    bool runPrintDialog(QWidget*, Printing& printing) override {
        if (printAnswer) {
            printing.printer().setOutputFormat(QPrinter::PdfFormat);
            printing.printer().setOutputFileName(printFile);
        }
        return printAnswer;
    }
    bool runPageSetup(QWidget*, Printing&) override { return printAnswer; }
    void runPrintPreview(QDialog& preview) override { dialogs.push_back(preview.objectName()); }

    std::vector<Message> messages;
    std::vector<QString> fileDialogs;
    std::vector<QString> dialogs;
    std::deque<std::function<int(QDialog&)>> dialogAnswers;
    std::deque<QString> openPaths;
    std::deque<QString> savePaths;
    // The filter every save dialog with several answers as chosen.
    int saveFilter = 0;
    // Each colour chooser takes the next answer; nothing means the student cancelled it.
    std::deque<std::optional<QColor>> colourAnswers;
    std::vector<QColor> colourPresets;
    SaveChanges saveAnswer = SaveChanges::Cancel;
    int saveQuestions = 0;
    // The files Guardar asked about replacing, and the answer to every such question.
    std::vector<QString> replaceQuestions;
    bool replaceAnswer = false;
    bool printAnswer = false;
    QString printFile;

  private:
    static QString take(std::deque<QString>& paths) {
        if (paths.empty()) {
            return {};
        }
        QString path = paths.front();
        paths.pop_front();
        return path;
    }
};

} // namespace osmira::workbench::test
