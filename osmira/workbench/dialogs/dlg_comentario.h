#pragma once

#include <QDialog>

#include <string>

class QLineEdit;
class QPlainTextEdit;

namespace osmira::workbench {

// "Comentar diagrama": the comment of a step or the documentation of the exercise. The text
// field holds only Latin-1 characters, the characters the exercise can keep; others are
// dropped as typed.
class DlgComentario : public QDialog {
    Q_OBJECT

  public:
    // `target` is what "Al:" shows; `comment` the Latin-1 text the field starts with.
    DlgComentario(const QString& target, const std::string& comment, QWidget* parent = nullptr);

    // Latin-1 bytes, lines separated by "\n".
    std::string comment() const;
    // Whether the student changed the text shown at the start.
    bool changed() const;

  private:
    QLineEdit* target_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QString initialText_;
};

} // namespace osmira::workbench
