#pragma once

#include "osmira/formula/formula_entry.h"

#include <QDialog>
#include <QPalette>

#include <array>
#include <string>

class QButtonGroup;
class QLineEdit;
class QPushButton;

class QVBoxLayout;

namespace osmira::workbench {

class FormulaEntryField;
class Host;

// "Fórmulas del ejercicio": up to six hypotheses and a conclusion of a new exercise, typed one
// at a time in the entry field and kept in fixed rows that never move up.
class DlgTomaFormulas : public QDialog {
    Q_OBJECT

  public:
    explicit DlgTomaFormulas(Host& host, QWidget* parent = nullptr);

    // Formula bytes of the six rows in order, "" for an empty row.
    std::array<std::string, 6> hypotheses() const;
    std::string conclusion() const;

    void accept() override;

  private:
    static constexpr int kRows = kHypothesisSlots;

    void addButtons(QVBoxLayout& layout);
    void addHypothesis();
    void editHypothesis();
    void deleteHypothesis();
    void addConclusion();
    void editConclusion();
    void deleteConclusion();
    void markRow(int row);

    // 1 to 6, 0 when every row holds a hypothesis.
    int firstFreeSlot() const;
    // The entry, blanks removed, when it may be stored; shows the syntax message when not.
    bool takeEntry(std::string& formula);
    void unmark();
    void moveIntoEntry(QLineEdit& line);
    void warn(const QString& text, const QString& caption);

    Host& host_;
    FormulaEntryField* entry_ = nullptr;
    std::array<QLineEdit*, kRows> lines_{};
    QLineEdit* conclusionLine_ = nullptr;
    QButtonGroup* markers_ = nullptr;
    QPalette unmarkedPalette_;
    int markedSlot_ = 0;
};

} // namespace osmira::workbench
