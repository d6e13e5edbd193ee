#pragma once

#include "osmira/report/informe.h"

#include <QDialog>
#include <QString>

#include <array>

class QCheckBox;
class QLineEdit;

namespace osmira::workbench {

class Host;

// "Generar Informe": the report file, chosen with the save dialog, and the eight options of
// the report. "Aceptar" without a file says so and keeps the dialog open with its choices.
class DlgInforme : public QDialog {
    Q_OBJECT

  public:
    explicit DlgInforme(Host& host, QWidget* parent = nullptr);

    ReportOptions options() const;
    // The chosen page's full path, empty until one is chosen.
    const QString& reportPath() const { return reportPath_; }
    // The folder of the page, ending with its separator: where the pictures go.
    const QString& pictureFolder() const { return pictureFolder_; }

    void accept() override;

  private:
    void seleccionar();
    void incluirPortada();
    void incluirTodos();

    Host& host_;
    QLineEdit* file_ = nullptr;
    // In the order of the options: bPortada … bInfoAlfa.
    std::array<QCheckBox*, 8> boxes_{};
    QString reportPath_;
    QString pictureFolder_;
};

} // namespace osmira::workbench
