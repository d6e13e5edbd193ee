#pragma once

#include <QDate>
#include <QDialog>

#include <string>

class QDateEdit;
class QLineEdit;
class QPlainTextEdit;

namespace osmira::workbench {

class Host;

// "Nuevo Ejercicio": title, author, comments and date of a new exercise. The text fields hold
// only Latin-1 characters, the characters the exercise can keep; others are dropped as typed.
class DlgNuevoEjercicio : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kTitleLimit = 50;

    DlgNuevoEjercicio(Host& host, QWidget* parent = nullptr);

    void setDate(const QDate& date);
    // Latin-1 bytes; the comments' lines are separated by "\n".
    std::string title() const;
    std::string author() const;
    std::string comments() const;
    QDate date() const;

    void accept() override;

  private:
    Host& host_;
    QLineEdit* title_ = nullptr;
    QLineEdit* author_ = nullptr;
    QPlainTextEdit* comments_ = nullptr;
    QDateEdit* date_ = nullptr;
};

} // namespace osmira::workbench
