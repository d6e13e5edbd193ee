#pragma once

#include <QColor>
#include <QString>

#include <optional>

class QDialog;
class QWidget;

namespace osmira::workbench {

class Printing;

enum class MessageIcon { None, Information, Exclamation };

enum class SaveChanges { Save, Discard, Cancel };

// What a save dialog with several filters answers: the path (empty when cancelled) and the
// position of the filter chosen.
struct SaveChoice {
    QString path;
    int filter = 0;
};

// Everything the workbench does that would block on the student: message boxes, the save
// question, file dialogs, modal dialogs and the printing dialogs. Tests replace it, so no
// widget test ever waits on a window.
class Host {
  public:
    virtual ~Host() = default;
    // A modal message box with one OK button; `caption` is its title.
    virtual void showMessage(QWidget* parent, const QString& text, const QString& caption,
                             MessageIcon icon) = 0;
    // "¿Desea guardar los cambios del ejercicio?" with Sí / No / Cancelar.
    virtual SaveChanges askToSaveChanges(QWidget* parent) = 0;
    // Whether Guardar replaces the file `fileName`, which another program changed, replaced or
    // removed since the exercise was opened or last saved: "El fichero «…» ha cambiado…" with
    // Sí / No.
    virtual bool askToReplaceChangedFile(QWidget* parent, const QString& fileName) = 0;
    // The chosen path, or an empty string when cancelled. The filter is in Qt's form.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
    // Asks before overwriting an existing file.
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
    // The same with filters separated by ";;", the first chosen at first; a name typed without
    // an extension gets the chosen filter's.
    virtual SaveChoice saveFileChoice(QWidget* parent, const QString& title, const QString& filters) = 0;
    // Shows a dialog modally and returns its result (QDialog::Accepted or Rejected). Tests fill
    // the dialog's fields and press its buttons instead.
    virtual int runDialog(QDialog& dialog) = 0;
    // The system's colour chooser preset to `initial`: the colour confirmed, or nothing.
    virtual std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) = 0;
    // The printing dialogs on the printing module's printer: true when the student confirms.
    virtual bool runPrintDialog(QWidget* parent, Printing& printing) = 0;
    virtual bool runPageSetup(QWidget* parent, Printing& printing) = 0;
    // Print preview: `preview` is the dialog, already connected to the painting of the page.
    virtual void runPrintPreview(QDialog& preview) = 0;
};

} // namespace osmira::workbench
