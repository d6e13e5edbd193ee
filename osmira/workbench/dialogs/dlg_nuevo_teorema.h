#pragma once

#include <QDialog>

#include <string>

namespace osmira::workbench {

class FormulaEntryField;
class Host;

// "Nuevo teorema": the one formula of an exercise without hypotheses, its conclusion, to be
// proved from the empty sheet. "Aceptar" takes only a formula the exercise can be made from.
class DlgNuevoTeorema : public QDialog {
    Q_OBJECT

  public:
    explicit DlgNuevoTeorema(Host& host, QWidget* parent = nullptr);

    // The formula bytes, blanks removed.
    std::string conclusion() const;

    void accept() override;

  private:
    Host& host_;
    FormulaEntryField* entry_ = nullptr;
};

} // namespace osmira::workbench
