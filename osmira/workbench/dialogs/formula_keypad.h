#pragma once

#include <QWidget>

namespace osmira::workbench {

class FormulaEntryField;

// The four connective keys above a formula entry field: "¬", "->", "v" and the conjunction
// sign. Each puts its sign at the field's caret and gives the focus back to the field.
class FormulaKeypad : public QWidget {
    Q_OBJECT

  public:
    explicit FormulaKeypad(FormulaEntryField& field, QWidget* parent = nullptr);
};

} // namespace osmira::workbench
