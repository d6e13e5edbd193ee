#pragma once

#include <QDialog>

#include <string>

namespace osmira::workbench {

class FormulaEntryField;
class Host;

// "Regla de Inserción": the formula the insertion rule puts into the selected area. It ends
// only through "Insertar" with a formula the rule accepts; closing the window cancels.
class DlgInsertarGrafico : public QDialog {
    Q_OBJECT

  public:
    explicit DlgInsertarGrafico(Host& host, QWidget* parent = nullptr);

    // The formula bytes as typed, blanks included.
    std::string formula() const;

  private:
    void insert();

    Host& host_;
    FormulaEntryField* entry_ = nullptr;
};

} // namespace osmira::workbench
