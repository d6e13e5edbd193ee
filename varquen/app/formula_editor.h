#pragma once

#include <QTextEdit>

namespace varquen::app {

// The formula editor: whatever is typed or pasted that the scanner reads as a logic symbol
// is shown as that symbol's sign at once, so the screen and the translation always agree.
class FormulaEditor : public QTextEdit {
    Q_OBJECT
  public:
    explicit FormulaEditor(QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
};

} // namespace varquen::app
