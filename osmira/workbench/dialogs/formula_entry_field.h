#pragma once

#include <QFont>
#include <QLineEdit>
#include <QString>

#include <string>

namespace osmira::workbench {

// Arial 9 points, the face every formula is shown in; the connective signs come from a
// fallback face when Arial lacks them.
QFont formulaFont();

// The single-line field a formula is typed in. It admits only the formula alphabet (letters,
// parentheses, blanks and the signs ¬ ∧ ∨ →) and, whenever its text grows, turns the last
// character into a capital and puts the caret at the end, as the student is used to.
class FormulaEntryField : public QLineEdit {
    Q_OBJECT

  public:
    explicit FormulaEntryField(QWidget* parent = nullptr);

    // The formula bytes of the text as shown, blanks included.
    std::string formula() const;
    // Replaces the text by a formula's bytes, shown with their signs.
    void setFormula(const std::string& bytes);
    // Puts a sign at the caret (replacing a selection) and gives the focus back to the field.
    void insertSign(QChar sign);

  private:
    void onTextChanged(const QString& text);
    void replaceText(const QString& text, int caret);

    int rememberedLength_ = 0;
};

} // namespace osmira::workbench
